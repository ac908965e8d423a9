#include "MorvaneFlash.h"

#include "Console.h"
#include "ExitStatus.h"
#include "FlashedUnits.h"
#include "MinisignTool.h"
#include "ServedDevicesFixture.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <cerrno>
#include <csignal>
#include <gtest/gtest.h>
#include <thread>

using Behaviour = SimulatedBootloaderDevice::Behaviour;

namespace {

// 256 bytes: one padded page, 16 reports, under a second per transfer.
std::string imageBytes(char seed)
{
    return std::string(256, seed);
}

const std::string imageTwoDigest =
    "sha256:f5c22e35d04167e37913e7963ce033b1f3d17a924a4e6fe5fc95af1224051921";

std::vector<uint8_t> padded(const std::string &image)
{
    std::vector<uint8_t> bytes(image.begin(), image.end());
    bytes.resize(1024, 0);
    return bytes;
}

} // namespace

// The command's entry function against a loopback catalogue and simulated devices.
class MorvaneFlash : public ServedDevicesFixture
{
protected:
    void SetUp() override
    {
        serveCatalogue(
            "MORVANE X5 Pro;1a86;e0a1;V2;2026 Co.;{B}/fw/x5_v2.bin;{B}/notes/x5_v2.txt\n"
            "MORVANE K7;1209;0001;V3;2026 Co.;{B}/fw/k7_v3.bin;{B}/notes/k7_v3.txt\n"
            "MORVANE X5 Pro;1a86;e0a1;V1;2025 Co.;{B}/fw/x5_v1.bin;{B}/notes/x5_v1.txt\n");
        m_server.setBody("/fw/x5_v2.bin", imageBytes(2));
        m_server.setBody("/fw/x5_v1.bin", imageBytes(1));
        m_server.setBody("/notes/x5_v2.txt", "\n  V2 fixes the wheel.\n");
    }

    std::string serveCatalogue(std::string list)
    {
        for (std::size_t at; (at = list.find("{B}")) != std::string::npos;) {
            list.replace(at, 3, m_server.baseUrl());
        }
        m_server.setBody("/product/MORVANE_LST.txt", list);
        return list;
    }

    int run(QStringList arguments, bool terminal = false, std::stop_token stop = {})
    {
        m_out.clear();
        m_err.clear();
        QTextStream out(&m_out);
        QTextStream err(&m_err);
        Environment environment{
            m_hid,
            out,
            err,
            QUrl(served("/product/MORVANE_LST.txt")),
            inTemp("MorvaneUpdater"),
            m_catalogueKey,
            terminal,
            std::move(stop),
            [this] { return m_hid.hotplugMonitor(); },
        };
        arguments.prepend("morvane-flash");
        return runMorvaneFlash(arguments, environment);
    }

    QString writeFile(const QString &name, const QByteArray &content)
    {
        const QString path = inTemp(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        return path;
    }

    QString served(const std::string &path) const { return QString::fromStdString(url(path)); }

    // A unit as a bench meets it: with its own serial number (or none) at a USB port.
    std::shared_ptr<SimulatedBootloaderDevice> attachUnit(std::string serial, std::string port,
                                                          Behaviour behaviour = {})
    {
        behaviour.serialNumber = std::move(serial);
        behaviour.usbPort = std::move(port);
        return attachDevice(std::move(behaviour));
    }

    // The log's records once it holds `count`: written by the command's thread, read here.
    std::vector<QJsonObject> awaitLog(const QString &log, std::size_t count)
    {
        for (;;) {
            QFile file(log);
            std::vector<QJsonObject> records;
            if (file.open(QIODevice::ReadOnly)) {
                for (const QByteArray &line : file.readAll().split('\n')) {
                    if (!line.isEmpty()) {
                        records.push_back(QJsonDocument::fromJson(line).object());
                    }
                }
            }
            if (records.size() >= count) {
                return records;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    }

    static void expectClosed(const SimulatedBootloaderDevice &device)
    {
        EXPECT_FALSE(device.isOpen());
        EXPECT_EQ(device.liveHandles(), 0);
    }

    QString m_out;
    QString m_err;
    QString m_catalogueKey;
};

// One row per exit status the command gives on its own; 128 + a signal is the process test's.
TEST_F(MorvaneFlash, EachFailureHasItsExitStatus)
{
    const std::string digestLine = "MORVANE X5 Pro;1a86;e0a1;V2;c;" +
                                   m_server.url("/fw/x5_v2.bin") + ";" + m_server.url("/n.txt") +
                                   ";sha256:" + std::string(64, '0') + "\n";
    m_server.setBody("/digest.txt", digestLine);
    m_server.setBody("/twice.txt", "MORVANE X5 Pro;1a86;e0a1;V2;c;http://h/a;http://h/n\n"
                                   "MORVANE X5 Pro;1a86;e0a1;V1;c;http://h/b;http://h/n\n"
                                   "MORVANE X5 Pro;1a86;e0a1;V2;c;http://h/c;http://h/n\n");
    m_server.setBody("/cases.txt", "MORVANE X5 Pro;1a86;e0a1;V2;c;http://h/a;http://h/n\n"
                                   "MORVANE X5 PRO;1a86;e0a1;V2;c;http://h/b;http://h/n\n");
    const QString good = writeFile("good.txt", "X;1a86;e0a1;1;c;http://h/a;http://h/b\n");
    const QString doubtful = writeFile("warned.txt", "X;01a86;e0a1;1;c;http://h/a;http://h/b\n");
    const QString wrong = writeFile("wrong.txt", "X;1a86;e0a1\n");
    writeFile("good.txt.minisig", MinisignTool().sign("another list"));
    Behaviour silent;
    silent.answers = false;
    const struct
    {
        QStringList arguments;
        std::optional<Behaviour> device;
        int status;
        QString error;
    } cases[] = {
        {{"frobnicate"}, {}, exitUsage, "morvane-flash --help"},
        {{"list", "--catalogue", served("/none")},
         {},
         exitCatalogue,
         "读取固件列表失败：The server"},
        {{"flash", "X5 Pro"}, {}, exitDevice, "No MORVANE X5 Pro found."},
        {{"flash", "X5 Pro"}, silent, exitTransfer, "Update failed: Timed out waiting"},
        {{"flash", "X5 Pro", "--catalogue", served("/digest.txt")},
         Behaviour{},
         exitIntegrity,
         "Firmware download failed: The image does not match the catalogue's digest"},
        {{"flash", "X5 Pro", "V2", "--catalogue", served("/twice.txt")},
         {},
         exitCatalogue,
         "MORVANE X5 Pro V2 is on lines 1 and 3 of the catalogue, which differ; morvane-flash "
         "does not choose between them."},
        {{"notes", "x5 pro", "V2", "--catalogue", served("/cases.txt")},
         {},
         exitUsage,
         "\"x5 pro\" names 2 models when letter case is ignored: \"MORVANE X5 Pro\", "
         "\"MORVANE X5 PRO\"; name one as the catalogue writes it."},
        // lint: each outcome its own status.
        {{"lint", good}, {}, exitSuccess, "1 record(s), 0 error(s), 0 warning(s)"},
        {{"lint", doubtful}, {}, exitSuccess, "1 record(s), 0 error(s), 1 warning(s)"},
        {{"lint", inTemp("none.txt")}, {}, exitCatalogue, "Cannot read the list file"},
        {{"lint", served("/twice.txt")},
         {},
         exitSuccess,
         "/twice.txt:3: warning: version \"V2\" of model \"MORVANE X5 Pro\" is also on line 1 "
         "with other fields"},
        {{"lint", wrong}, {}, exitListErrors, "0 record(s), 1 error(s), 0 warning(s)"},
        {{"lint", served("/digest.txt"), "--fetch"},
         {},
         exitIntegrity,
         ", 256 bytes, does not match its digest (expected sha256:00000000…00000000, received "
         "sha256:f5c22e35…24051921): the updater refuses it"},
        {{"lint", good, "--public-key", MinisignTool().publicKeyLine()},
         {},
         exitIntegrity,
         "error: The catalogue signature"},
        {{"lint", good, "--public-key", "nosuch.pub"},
         {},
         exitUsage,
         "morvane-flash: cannot read the public key file nosuch.pub: No such file or directory"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.error.toStdString());
        std::shared_ptr<SimulatedBootloaderDevice> device;
        if (c.device) {
            device = attachDevice(*c.device);
        }
        EXPECT_EQ(run(c.arguments), c.status);
        EXPECT_TRUE(m_err.contains(c.error) || m_out.contains(c.error))
            << m_err.toStdString() << m_out.toStdString();
        if (device) {
            expectClosed(*device);
            m_hid.detach(device);
        }
    }
}

TEST_F(MorvaneFlash, ListAndNotes)
{
    EXPECT_EQ(run({"list"}), exitSuccess);
    EXPECT_EQ(m_out, "MORVANE X5 Pro\n  V2  1A86:E0A1  2026 Co.\n  V1  1A86:E0A1  2025 Co.\n"
                     "MORVANE K7\n  V3  1209:0001  2026 Co.\n");

    EXPECT_EQ(run({"list", "--json"}), exitSuccess);
    const QJsonArray models = QJsonDocument::fromJson(m_out.toUtf8()).array();
    ASSERT_EQ(models.size(), 2);
    EXPECT_EQ(models[0]["model"], "MORVANE X5 Pro");
    EXPECT_EQ(models[0]["versions"][1]["version"], "V1");
    EXPECT_EQ(models[1]["versions"][0]["notesURL"], served("/notes/k7_v3.txt"));

    // One model matches when letter case is ignored.
    EXPECT_EQ(run({"notes", "x5 PRO", "V2"}), exitSuccess);
    EXPECT_EQ(m_out, "V2 fixes the wheel.\n");
}

TEST_F(MorvaneFlash, DevicesTellPathAndAccess)
{
    const auto x5 = attachDevice(behaviourWith(&Behaviour::serialNumber, {"SN-1"}));
    EXPECT_EQ(run({"devices"}), exitSuccess);
    EXPECT_EQ(m_out,
              QString("MORVANE X5 Pro\t1A86:E0A1\t%1\tSN-1\t-\tpid.codes\tSimulated bootloader\t"
                      "may open\n")
                  .arg(QString::fromStdString(x5->path())));
    expectClosed(*x5);

    Behaviour denied;
    denied.openFailure = EACCES;
    denied.usbPort = "3-1.2";
    const auto locked = attachDevice(denied, 0x1209, 0x0001);
    EXPECT_EQ(run({"devices", "--vid", "1209", "--pid", "1", "--json"}), exitDevice);
    const QJsonArray devices = QJsonDocument::fromJson(m_out.toUtf8()).array();
    ASSERT_EQ(devices.size(), 1);
    EXPECT_EQ(devices[0]["path"], QString::fromStdString(locked->path()));
    EXPECT_EQ(devices[0]["serial"], QString::fromStdString(locked->serialNumber()));
    EXPECT_EQ(devices[0]["usbPort"], "3-1.2");
    EXPECT_EQ(devices[0]["product"], "Simulated bootloader");
    EXPECT_EQ(devices[0]["mayOpen"], false);
    EXPECT_TRUE(devices[0]["hint"].toString().contains("udev rule"));
    // The help sends the user to a section of the installed manual page, which must be there.
    const QString section = QRegularExpression("man morvane-flash, section ([A-Z]+)\\)")
                                .match(devices[0]["hint"].toString())
                                .captured(1);
    QFile manual(MORVANE_FLASH_MANUAL);
    ASSERT_TRUE(manual.open(QIODevice::ReadOnly));
    EXPECT_FALSE(section.isEmpty());
    EXPECT_TRUE(manual.readAll().contains("\n.SH " + section.toUtf8() + "\n"))
        << section.toStdString();
}

TEST_F(MorvaneFlash, DevicesWatchTellsEachArrivalAndDepartureOnALineOfItsOwn)
{
    const auto staying = attachDevice();
    const auto leaving = attachDevice(behaviourWith(&Behaviour::usbPort, "1-4"));
    const auto plugged = std::make_shared<SimulatedBootloaderDevice>(0x1209, 0x0001);
    std::stop_source stop;
    std::jthread plugger([&](std::stop_token runEnded) {
        // The watcher opens each device once as it arrives: so this thread knows it has looked.
        const auto waitFor = [&](const auto &seen) {
            while (!runEnded.stop_requested() && !seen()) {
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
            }
        };
        waitFor([&] { return staying->opens() > 0 && leaving->opens() > 0; });
        m_hid.detach(leaving);
        m_hid.attach(plugged);
        waitFor([&] { return plugged->opens() > 0; });
        stop.request_stop();
    });
    EXPECT_EQ(run({"devices", "--watch", "--json"}, false, stop.get_token()), exitInterrupted);
    QStringList events;
    for (const QString &line : m_out.split('\n', Qt::SkipEmptyParts)) {
        const QJsonObject event = QJsonDocument::fromJson(line.toUtf8()).object();
        events.append(QStringList{event["event"].toString(), event["models"][0].toString(),
                                  event["usbPort"].toString(), event["path"].toString()}
                          .join(' '));
    }
    const auto path = [](const auto &device) {
        return QString::fromStdString(device->path());
    };
    EXPECT_EQ(events, QStringList({"arrived MORVANE X5 Pro  " + path(staying),
                                   "arrived MORVANE X5 Pro 1-4 " + path(leaving),
                                   "departed MORVANE X5 Pro 1-4 " + path(leaving),
                                   "arrived MORVANE K7  " + path(plugged)}))
        << m_out.toStdString();
}

TEST_F(MorvaneFlash, FlashShowsProgressAsLinesQuietlyOrAsABar)
{
    const auto device = attachDevice();
    EXPECT_EQ(run({"flash", "X5 Pro"}), exitSuccess) << m_err.toStdString();
    EXPECT_EQ(m_out.split('\n', Qt::SkipEmptyParts).join('|'),
              "Preparing to update MORVANE X5 Pro V2...|MORVANE X5 Pro found.|Firmware downloaded: "
              "x5_v2|Starting firmware transfer...|Update progress: 0%|Update progress: 25%|Update "
              "progress: 50%|Update progress: 75%|Update progress: 100%|Update completed.");
    EXPECT_EQ(device->receivedImage(), padded(imageBytes(2)));
    EXPECT_TRUE(QFile::exists(inTemp("MorvaneUpdater/x5_v2.bin")));

    EXPECT_EQ(run({"flash", "MORVANE X5 Pro", "V1", "--quiet"}), exitSuccess);
    EXPECT_EQ(m_out, "Update completed.\n");
    EXPECT_EQ(device->receivedImage(), padded(imageBytes(1)));

    const QString image = writeFile("image.bin", QByteArray(300, 'x'));
    EXPECT_EQ(run({"flash", "--file", image, "--vid", "1A86", "--pid", "e0a1"}, true), exitSuccess);
    EXPECT_TRUE(m_out.startsWith("Preparing to update 1A86:E0A1 image.bin...\n"));
    EXPECT_TRUE(m_out.contains("\x1b[1A\r\x1b[2KUpdate progress: [####"));
    EXPECT_TRUE(m_out.endsWith("] 100%\nUpdate completed.\n"));
    expectClosed(*device);
}

TEST_F(MorvaneFlash, AllDevicesFlashAtOnceAndEachEndsOnItsOwn)
{
    Behaviour vanishing;
    vanishing.vanishAfterReports = 5;
    const auto first = attachDevice();
    const auto gone = attachDevice(vanishing);
    const auto third = attachDevice();
    const QString image = writeFile("image.bin", QByteArray::fromStdString(imageBytes(3)));
    EXPECT_EQ(run({"flash", "--all-devices", "--file", image, "--vid", "1a86", "--pid", "e0a1"}),
              exitTransfer);
    for (const auto &device : {first, third}) {
        const QString path = QString::fromStdString(device->path());
        EXPECT_EQ(device->receivedImage(), padded(imageBytes(3)));
        EXPECT_TRUE(m_out.contains(path + ": Update completed.\n"));
    }
    EXPECT_TRUE(m_err.contains(QString::fromStdString(gone->path()) +
                               ": Update failed: Unable to write HID report."));
    // The transfers overlapped rather than ran one after the other.
    EXPECT_LT(first->reports().front().arrival, third->reports().back().arrival);
    EXPECT_LT(third->reports().front().arrival, first->reports().back().arrival);
    for (const auto &device : {first, gone, third}) {
        expectClosed(*device);
    }
}

TEST_F(MorvaneFlash, AStopEndsEveryTransferAtAReportBoundaryAndEachSaysSo)
{
    const auto first = attachDevice();
    const auto second = attachDevice();
    // 128 reports, over six seconds: the stop comes long before the end, however loaded the
    // machine is.
    const QByteArray image(8192, 'x');
    std::stop_source stop;
    std::jthread stopper([&](std::stop_token runEnded) {
        while (!runEnded.stop_requested() &&
               (first->reports().size() < 4 || second->reports().size() < 4)) {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        stop.request_stop();
    });
    EXPECT_EQ(run({"flash", "--all-devices", "--file", writeFile("image.bin", image), "--vid",
                   "1a86", "--pid", "e0a1"},
                  false, stop.get_token()),
              exitInterrupted);
    for (const auto &device : {first, second}) {
        EXPECT_TRUE(m_err.contains(QString::fromStdString(device->path()) +
                                   ": Update stopped. The transfer ended at a report boundary"))
            << m_err.toStdString();
        EXPECT_LT(device->receivedImage().size(), std::size_t(image.size()));
        EXPECT_EQ(device->receivedImage().size() % 64, 0u);
        expectClosed(*device);
    }
}

// Which device flash takes, and when it refuses to guess: before anything is downloaded.
TEST_F(MorvaneFlash, SelectorsChooseOneDeviceAndAGuessIsRefused)
{
    const auto first = attachUnit("A1", "1-1");
    const auto second = attachUnit("B2", "1-2");
    const QString firstPath = QString::fromStdString(first->path());
    const struct
    {
        QStringList arguments;
        int status;
        QString expected;
        std::shared_ptr<SimulatedBootloaderDevice> flashed;
    } cases[] = {
        {{"flash", "X5 Pro"},
         exitUsage,
         "2 devices match MORVANE X5 Pro; choose one with --serial or --path, or flash them all "
         "with --all-devices:\n  " +
             firstPath + " (serial A1, port 1-1)\n  " + QString::fromStdString(second->path()) +
             " (serial B2, port 1-2)\n",
         nullptr},
        {{"flash", "X5 Pro", "--serial", "B2"}, exitSuccess, "Update completed.", second},
        {{"flash", "X5 Pro", "--path", firstPath}, exitSuccess, "Update completed.", first},
        {{"flash", "X5 Pro", "--serial", "A1", "--path", firstPath},
         exitSuccess,
         "Update completed.",
         first},
        {{"flash", "X5 Pro", "--serial", "C3"}, exitDevice, "No MORVANE X5 Pro found.", nullptr},
        {{"flash", "X5 Pro", "--watch", "--serial", "A1"}, exitUsage, "takes no --serial", nullptr},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        const std::size_t before[] = {first->handshakes(), second->handshakes()};
        const int downloads = m_server.requestCount("/fw/x5_v2.bin");
        EXPECT_EQ(run(c.arguments), c.status);
        EXPECT_TRUE((m_out + m_err).contains(c.expected)) << (m_out + m_err).toStdString();
        EXPECT_EQ(first->handshakes() - before[0], c.flashed == first ? 1u : 0u);
        EXPECT_EQ(second->handshakes() - before[1], c.flashed == second ? 1u : 0u);
        EXPECT_EQ(m_server.requestCount("/fw/x5_v2.bin") - downloads, c.flashed ? 1 : 0);
    }
}

// The image is fetched while the device is awaited; the wait ends with the device, the limit
// or a stop.
TEST_F(MorvaneFlash, WaitDownloadsMeanwhileAndEndsWithTheDeviceItsLimitOrAStop)
{
    enum class Then
    {
        nothing,
        plug,
        stop
    };
    const struct
    {
        QString wait;
        Then then;
        int status;
        QString expected;
    } cases[] = {
        {"--wait", Then::plug, exitSuccess, "Waiting for MORVANE X5 Pro...\nFirmware downloaded"},
        {"--wait=0.3", Then::nothing, exitDevice, "No MORVANE X5 Pro found."},
        {"--wait", Then::stop, exitInterrupted, "nothing was flashed."},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.wait.toStdString());
        std::shared_ptr<SimulatedBootloaderDevice> device;
        std::stop_source stop;
        const int downloads = m_server.requestCount("/fw/x5_v2.bin");
        std::jthread world([&] {
            // Once the image has been asked for: the command is waiting by then.
            while (m_server.requestCount("/fw/x5_v2.bin") == downloads) {
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
            }
            if (c.then == Then::plug) {
                device = attachDevice();
            } else if (c.then == Then::stop) {
                stop.request_stop();
            }
        });
        EXPECT_EQ(run({"flash", "X5 Pro", c.wait}, false, stop.get_token()), c.status);
        world.join();
        EXPECT_TRUE((m_out + m_err).contains(c.expected)) << (m_out + m_err).toStdString();
        if (device) {
            EXPECT_EQ(device->receivedImage(), padded(imageBytes(2)));
            m_hid.detach(device);
        }
    }
}

// The production line: every unit as it arrives, a faulty one failing alone, a unit back from
// its restart left alone, and the record of each attempt.
TEST_F(MorvaneFlash, WatchFlashesEachUnitOnceAndRecordsEveryAttempt)
{
    const QString log = inTemp("bench.log");
    Behaviour vanishing;
    vanishing.vanishAfterReports = 5;
    Behaviour silent;
    silent.answers = false;
    Behaviour denied;
    denied.openFailure = EACCES;
    std::stop_source stop;
    std::vector<std::shared_ptr<SimulatedBootloaderDevice>> skipped;
    std::shared_ptr<SimulatedBootloaderDevice> nextOnPort;
    std::jthread bench([&] {
        const auto restarted = attachUnit("S1", "1-1");
        const auto withoutSerial = attachUnit("", "2-1");
        attachUnit("F1", "1-2", vanishing);
        attachUnit("F2", "1-3", silent);
        attachUnit("F3", "1-4", denied);
        awaitLog(log, 5);
        // Both flashed units restart with the same ids; a new unit follows at the first port.
        m_hid.detach(restarted);
        m_hid.detach(withoutSerial);
        skipped.push_back(attachUnit("S1", "1-1"));
        skipped.push_back(attachUnit("", "2-1"));
        nextOnPort = attachUnit("", "2-1");
        awaitLog(log, 6);
        stop.request_stop();
    });
    const QString image = writeFile("image.bin", QByteArray::fromStdString(imageBytes(4)));
    EXPECT_EQ(run({"flash", "--file", image, "--vid", "1a86", "--pid", "e0a1", "--watch", "--json",
                   "--log", log, "--settle", "600"},
                  false, stop.get_token()),
              exitTransfer);
    bench.join();

    for (const auto &device : skipped) {
        EXPECT_EQ(device->handshakes(), 0u);
    }
    EXPECT_EQ(nextOnPort->receivedImage(), padded(imageBytes(4)));
    const QString imageDigest = QCryptographicHash::hash(QByteArray::fromStdString(imageBytes(4)),
                                                         QCryptographicHash::Sha256)
                                    .toHex();
    std::map<QString, QString> statusBySerial;
    for (const QJsonObject &record : awaitLog(log, 6)) {
        EXPECT_EQ(record["sha256"].toString(), imageDigest);
        EXPECT_EQ(record["size"], 256);
        EXPECT_EQ(record["model"], "1A86:E0A1");
        EXPECT_TRUE(record["time"].toString().endsWith('Z'));
        statusBySerial[record["serial"].toString() + record["usbPort"].toString()] =
            record["status"].toString();
    }
    EXPECT_EQ(statusBySerial, (std::map<QString, QString>{{"S11-1", "completed"},
                                                          {"2-1", "completed"},
                                                          {"F11-2", "transferFailed"},
                                                          {"F21-3", "transferFailed"},
                                                          {"F31-4", "deviceFailed"}}));
    EXPECT_EQ(m_out.count("\"event\":\"skipped\""), 2);
    EXPECT_TRUE(m_out.contains("{\"event\":\"summary\",\"failed\":3,\"flashed\":3,\"seconds\":"))
        << m_out.toStdString();
}

TEST(FlashedUnits, AUnitIsKnownByItsSerialOrForASettleTimeByItsPort)
{
    using namespace std::chrono_literals;
    const FlashedUnits::Clock::time_point start;
    const HidDeviceInfo serial{.serialNumber = "S1", .usbPort = "1-1"};
    const HidDeviceInfo port{.usbPort = "1-2"};
    const HidDeviceInfo neither;
    const struct
    {
        HidDeviceInfo flashed;
        std::vector<std::pair<HidDeviceInfo, std::chrono::seconds>> arrivals;
        std::vector<bool> returning;
    } cases[] = {
        {serial, {{serial, 1s}, {serial, 3600s}, {port, 1s}}, {true, true, false}},
        // Another unit at the same port is new, whatever its timing.
        {serial, {{HidDeviceInfo{.serialNumber = "S2", .usbPort = "1-1"}, 1s}}, {false}},
        {port, {{port, 5s}, {port, 6s}}, {true, false}},
        {port, {{port, 6s}}, {false}},
        {neither, {{neither, 1s}}, {false}},
    };
    for (const auto &c : cases) {
        FlashedUnits units(5000ms);
        units.completed(c.flashed, start);
        std::vector<bool> returning;
        for (const auto &[device, after] : c.arrivals) {
            returning.push_back(units.isReturning(device, start + after));
        }
        EXPECT_EQ(returning, c.returning) << c.flashed.serialNumber << c.flashed.usbPort;
    }
}

TEST_F(MorvaneFlash, LintFetchesWhatRecordsPointAtAndChecksTheSignature)
{
    MinisignTool minisign;
    const std::string list =
        serveCatalogue("MORVANE X5 Pro;1a86;e0a1;V2;c;{B}/fw/x5_v2.bin;{B}/notes/x5_v2.txt;" +
                       imageTwoDigest + ";" + imageTwoDigest +
                       "\nMORVANE X5 Pro;1a86;e0a1;V1;c;{B}/fw/empty.bin;{B}/notes/none.txt\n");
    m_server.setBody("/fw/empty.bin", "");
    const QString address = served("/product/MORVANE_LST.txt");

    EXPECT_EQ(run({"lint", address, "--fetch"}), exitListErrors);
    for (const QString &line :
         {":1: note: image " + served("/fw/x5_v2.bin") + ": HTTP 200, 256 bytes, digest matches\n",
          ":2: error: image " + served("/fw/empty.bin") + ": HTTP 200, empty",
          ":1: error: notes " + served("/notes/x5_v2.txt") +
              ": HTTP 200, not shown: The release notes do not match the catalogue's digest",
          ":2: error: notes " + served("/notes/none.txt") +
              ": The server answered with HTTP status 404 (Not Found).\n"}) {
        EXPECT_TRUE(m_out.contains(address + line)) << line.toStdString();
    }

    m_server.setBody("/product/MORVANE_LST.txt.minisig",
                     minisign.sign(QByteArray::fromStdString(list)).toStdString());
    const QString keyFile = writeFile("key.pub", minisign.publicKeyFile());
    EXPECT_EQ(run({"lint", address, "--public-key", keyFile}), exitListErrors);
    EXPECT_TRUE(m_out.startsWith(address + ": note: the signature holds for key "));
    EXPECT_TRUE(m_out.endsWith(" cannot be checked.\n2 record(s), 1 error(s), 0 warning(s)\n"));

    // A signature that holds can still date the list out of the updater's hands.
    const qint64 soon = QDateTime::currentSecsSinceEpoch() + 3600;
    const std::pair<QString, QString> dated[] = {
        {"file:list", "the trusted comment carries no timestamp"},
        {QStringLiteral("timestamp:0 expires:%1").arg(soon), ", within 7 days"},
        {"timestamp:0\texpires:1", "the list expired 1970-01-01 00:00:01 UTC"},
    };
    for (const auto &[comment, warning] : dated) {
        m_server.setBody(
            "/product/MORVANE_LST.txt.minisig",
            minisign.sign(QByteArray::fromStdString(list), false, comment).toStdString());
        EXPECT_EQ(run({"lint", address, "--public-key", keyFile}), exitListErrors);
        EXPECT_TRUE(m_out.contains(address + ": warning: ") && m_out.contains(warning))
            << m_out.toStdString();
    }
}

// What the server wrote reaches a terminal without a single control; JSON keeps it, escaped.
TEST_F(MorvaneFlash, ServerTextNeverReachesTheTerminalAsControls)
{
    // ESC, BEL, DEL, C1's CSI and the right-to-left override: none of them ends a list line.
    const std::string hostile = "\x1b[31m\x07\x7f\xc2\x9b\xe2\x80\xae";
    const QString shown = "\uFFFD[31m\uFFFD\uFFFD\uFFFD\uFFFD";
    const QString escaped = "\\u001b[31m\\u0007\\u007f\\u009b\\u202e";
    serveCatalogue("MORVANE X5 Pro;1a86;e0a1;V2;Co." + hostile +
                   ";{B}/fw/x5_v2.bin;{B}/notes/x5_v2.txt\n");
    // Tabs, line ends and other characters stay; CR LF is a line end, a lone CR is not.
    m_server.setBody("/notes/x5_v2.txt", "\x1b[1A\x1b[2KUpdate completed.\x1b]52;c;ZXZpbA==\x07\r\n"
                                         "next\rline\t\xc2\xa0\xe2\x81\xa6\xc2\x85\x01");
    const QString badId = writeFile("list.txt", "X;" + QByteArray::fromStdString(hostile) +
                                                    ";e0a1;1;c;http://h/a;http://h/b\n");
    // A device's own strings too; a tab or line end in one would forge a column or a line.
    attachDevice(behaviourWith(&Behaviour::serialNumber, hostile + "\t\n"));
    const struct
    {
        QStringList arguments;
        QString expected;
    } cases[] = {
        {{"list"}, "  V2  1A86:E0A1  Co." + shown + "\n"},
        {{"list", "--json"}, "\"copyright\": \"Co." + escaped + "\""},
        {{"notes", "X5 Pro", "V2"},
         "\uFFFD[1A\uFFFD[2KUpdate completed.\uFFFD]52;c;ZXZpbA==\uFFFD\n"
         "next\uFFFDline\t\u00a0\uFFFD\uFFFD\uFFFD\n"},
        {{"lint", badId}, "field 2 (vendor id) \"" + shown + "\" is not a hexadecimal number"},
        {{"lint", badId, "--json"}, "field 2 (vendor id) \\\"" + escaped + "\\\" is not"},
        {{"devices"}, "\t" + shown + "\uFFFD\uFFFD\t-\tpid.codes\t"},
        {{"devices", "--json"}, "\"serial\": \"" + escaped + "\\t\\n\""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        run(c.arguments);
        EXPECT_TRUE(m_out.contains(c.expected)) << m_out.toStdString();
        for (const QChar control : u"\x1b\x07\x7f\u009b\u202e\r") {
            EXPECT_FALSE(m_out.contains(control)) << int(control.unicode());
        }
    }
    run({"list", "--json"});
    const QJsonArray models = QJsonDocument::fromJson(m_out.toUtf8()).array();
    EXPECT_EQ(models[0]["versions"][0]["copyright"], "Co." + QString::fromStdString(hostile));
}

TEST(Console, ControlCodesOnlyForATerminalThatTakesThem)
{
    const struct
    {
        bool terminal;
        const char *term;
        const char *noColor;
        bool takes;
    } cases[] = {
        {true, "xterm-256color", nullptr, true}, {true, "xterm", "", true},
        {false, "xterm", nullptr, false},        {true, "dumb", nullptr, false},
        {true, nullptr, nullptr, false},         {true, "xterm", "1", false},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(takesControlCodes(c.terminal, c.term, c.noColor), c.takes)
            << c.terminal << (c.term ? c.term : "(unset)") << (c.noColor ? c.noColor : "(unset)");
    }
}

TEST_F(MorvaneFlash, VersionAndTheHelpOfOneCommand)
{
    MinisignTool minisign;
    // minisign names the key id at the end of the .pub file's comment line.
    const QString keyId = QString::fromLatin1(minisign.publicKeyFile().split('\n').first())
                              .section(QLatin1Char(' '), -1);
    const struct
    {
        QStringList arguments;
        QString key;
        QString expected;
        QString absent;
    } cases[] = {
        {{"--version"},
         {},
         "morvane-flash " MORVANE_VERSION "\ncatalogue " + served("/product/MORVANE_LST.txt") +
             "\nno catalogue key\n",
         "Usage"},
        {{"list", "--version"}, minisign.publicKeyLine(), "\ncatalogue key " + keyId + "\n", "V2"},
        {{"flash", "--help"},
         {},
         "Usage: morvane-flash [--catalogue URL] flash MODEL [VERSION]\n"
         "       morvane-flash [--catalogue URL] flash --file IMAGE --vid V --pid P\n",
         "--fetch"},
        {{"lint", "x", "--help"}, {}, "\n  --public-key <KEY>  ", "--all-devices"},
        {{"--help"}, {}, "\n  6    lint: the list has errors\n", "[--catalogue URL]"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        m_catalogueKey = c.key;
        EXPECT_EQ(run(c.arguments), exitSuccess);
        EXPECT_TRUE(m_out.contains(c.expected)) << m_out.toStdString();
        EXPECT_FALSE(m_out.contains(c.absent)) << m_out.toStdString();
    }
}

// The installed program itself, as a separate process.
TEST(MorvaneFlashProgram, EachStopSignalEndsTheProgramThroughItsHandler)
{
    CatalogueServer server;
    // The signal reaches the program through its handler and ends a slow download.
    CatalogueServer::Response slow;
    slow.delay = std::chrono::seconds(20);
    server.setResponse("/slow.txt", slow);
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
        SCOPED_TRACE(signal);
        const int before = server.requestCount("/slow.txt");
        QProcess stopped;
        stopped.start(MORVANE_FLASH_PROGRAM,
                      {"lint", QString::fromStdString(server.url("/slow.txt"))});
        ASSERT_TRUE(stopped.waitForStarted(30'000));
        for (int i = 0; i < 3000 && server.requestCount("/slow.txt") == before; ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        ::kill(pid_t(stopped.processId()), signal);
        ASSERT_TRUE(stopped.waitForFinished(10'000));
        EXPECT_EQ(stopped.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(stopped.exitCode(), 128 + signal);
        EXPECT_TRUE(stopped.readAllStandardError().startsWith("Stopped: the download of "));
    }
}
