#include "MorvaneFlash.h"

#include "ExitStatus.h"
#include "MinisignTool.h"
#include "ServedDevicesFixture.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
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

    int run(QStringList arguments, bool terminal = false)
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
            QString(),
            terminal,
            std::stop_token(),
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

    static void expectClosed(const SimulatedBootloaderDevice &device)
    {
        EXPECT_FALSE(device.isOpen());
        EXPECT_EQ(device.liveHandles(), 0);
    }

    QString m_out;
    QString m_err;
};

// One row per exit status the command gives on its own; 130 is the process test's.
TEST_F(MorvaneFlash, EachFailureHasItsExitStatus)
{
    m_server.setBody("/digest.txt",
                     "MORVANE X5 Pro;1a86;e0a1;V2;c;" + m_server.url("/fw/x5_v2.bin") + ";" +
                         m_server.url("/n.txt") + ";sha256:" + std::string(64, '0') + "\n");
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
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.error.toStdString());
        std::shared_ptr<SimulatedBootloaderDevice> device;
        if (c.device) {
            device = attachDevice(*c.device);
        }
        EXPECT_EQ(run(c.arguments), c.status);
        EXPECT_TRUE(m_err.contains(c.error)) << m_err.toStdString();
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

    EXPECT_EQ(run({"notes", "X5 Pro", "V2"}), exitSuccess);
    EXPECT_EQ(m_out, "V2 fixes the wheel.\n");
}

TEST_F(MorvaneFlash, DevicesTellPathAndAccess)
{
    const auto x5 = attachDevice();
    EXPECT_EQ(run({"devices"}), exitSuccess);
    EXPECT_EQ(m_out, QString("MORVANE X5 Pro\t1A86:E0A1\t%1\tmay open\n")
                         .arg(QString::fromStdString(x5->path())));
    expectClosed(*x5);

    Behaviour denied;
    denied.openFailure = EACCES;
    const auto locked = attachDevice(denied, 0x1209, 0x0001);
    EXPECT_EQ(run({"devices", "--vid", "1209", "--pid", "1", "--json"}), exitDevice);
    const QJsonArray devices = QJsonDocument::fromJson(m_out.toUtf8()).array();
    ASSERT_EQ(devices.size(), 1);
    EXPECT_EQ(devices[0]["path"], QString::fromStdString(locked->path()));
    EXPECT_EQ(devices[0]["mayOpen"], false);
    EXPECT_TRUE(devices[0]["hint"].toString().contains("udev rule"));
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

TEST_F(MorvaneFlash, LintFetchesWhatRecordsPointAtAndChecksTheSignature)
{
    MinisignTool minisign;
    const std::string list = serveCatalogue(
        "MORVANE X5 Pro;1a86;e0a1;V2;c;{B}/fw/x5_v2.bin;{B}/notes/x5_v2.txt;" + imageTwoDigest +
        "\nMORVANE X5 Pro;1a86;e0a1;V1;c;{B}/fw/empty.bin;{B}/notes/none.txt\n");
    m_server.setBody("/fw/empty.bin", "");
    const QString address = served("/product/MORVANE_LST.txt");

    EXPECT_EQ(run({"lint", address, "--fetch"}), exitCatalogue);
    for (const QString &line :
         {":1: note: image " + served("/fw/x5_v2.bin") + ": HTTP 200, 256 bytes, digest matches\n",
          ":2: error: image " + served("/fw/empty.bin") + ": HTTP 200, empty",
          ":2: error: notes " + served("/notes/none.txt") + ": HTTP 404, The server answered"}) {
        EXPECT_TRUE(m_out.contains(address + line)) << line.toStdString();
    }

    m_server.setBody("/product/MORVANE_LST.txt.minisig",
                     minisign.sign(QByteArray::fromStdString(list)).toStdString());
    const QString keyFile = writeFile("key.pub", minisign.publicKeyFile());
    EXPECT_EQ(run({"lint", address, "--public-key", keyFile}), exitCatalogue);
    EXPECT_TRUE(m_out.startsWith(address + ": note: the signature holds for key "));
    EXPECT_TRUE(m_out.endsWith(" cannot be checked.\n2 record(s), 1 error(s), 0 warning(s)\n"));
}

// The installed program itself, as a separate process.
TEST(MorvaneFlashProgram, CtrlCEndsTheProgramThroughItsSignalHandler)
{
    CatalogueServer server;
    // Ctrl-C reaches the program through its signal handler and ends a slow download.
    CatalogueServer::Response slow;
    slow.delay = std::chrono::seconds(20);
    server.setResponse("/slow.txt", slow);
    QProcess interrupted;
    interrupted.start(MORVANE_FLASH_PROGRAM,
                      {"lint", QString::fromStdString(server.url("/slow.txt"))});
    ASSERT_TRUE(interrupted.waitForStarted(30'000));
    for (int i = 0; i < 3000 && server.requestCount("/slow.txt") == 0; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    ::kill(pid_t(interrupted.processId()), SIGINT);
    ASSERT_TRUE(interrupted.waitForFinished(10'000));
    EXPECT_EQ(interrupted.exitCode(), exitInterrupted);
    EXPECT_TRUE(interrupted.readAllStandardError().startsWith("Stopped: the download of "));
}
