#include "MorvaneFlash.h"

#include "CatalogueServer.h"
#include "ExitStatus.h"
#include "MinisignTool.h"
#include "SimulatedHidBackend.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <cerrno>
#include <csignal>
#include <gtest/gtest.h>
#include <thread>

using Behaviour = SimulatedBootloaderDevice::Behaviour;

namespace {

// 256 bytes: one padded page, 16 reports, under a second per transfer.
std::string imageBytes(char seed = 1)
{
    std::string image(256, '\0');
    for (std::size_t i = 0; i < image.size(); ++i) {
        image[i] = char(seed + i * 7);
    }
    return image;
}

std::string digestOf(const std::string &image)
{
    return "sha256:" +
           QCryptographicHash::hash(QByteArray::fromStdString(image), QCryptographicHash::Sha256)
               .toHex()
               .toStdString();
}

std::vector<uint8_t> padded(const std::string &image)
{
    std::vector<uint8_t> bytes(image.begin(), image.end());
    bytes.resize(1024, 0);
    return bytes;
}

} // namespace

// The command's entry function against a loopback catalogue and simulated devices.
class MorvaneFlash : public ::testing::Test
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
        // "固件说明" in GB18030, which is not UTF-8.
        m_server.setBody("/notes/k7_v3.txt", "\xB9\xCC\xBC\xFE\xCB\xB5\xC3\xF7");
    }

    void serveCatalogue(std::string list)
    {
        for (std::size_t at; (at = list.find("{B}")) != std::string::npos;) {
            list.replace(at, 3, m_server.baseUrl());
        }
        m_server.setBody("/product/MORVANE_LST.txt", list);
    }

    std::shared_ptr<SimulatedBootloaderDevice> attach(uint16_t vid = 0x1A86, uint16_t pid = 0xE0A1,
                                                      Behaviour behaviour = {})
    {
        auto device = std::make_shared<SimulatedBootloaderDevice>(vid, pid, std::move(behaviour));
        m_hid.attach(device);
        return device;
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
            QUrl(url("/product/MORVANE_LST.txt")),
            saved("MorvaneUpdater"),
            m_key,
            terminal,
            m_stop.get_token(),
        };
        arguments.prepend("morvane-flash");
        return runMorvaneFlash(arguments, environment);
    }

    // The status and both outputs whole.
    void expectRun(const QStringList &arguments, int status, const QString &out,
                   const QString &err = {})
    {
        EXPECT_EQ(run(arguments), status) << arguments.join(' ').toStdString();
        EXPECT_EQ(m_out, out);
        EXPECT_EQ(m_err, err);
    }

    QString writeFile(const QString &name, const QByteArray &content)
    {
        const QString path = saved(qPrintable(name));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        return path;
    }

    QString url(const std::string &path) const
    {
        return QString::fromStdString(m_server.url(path));
    }
    QString saved(const char *name) const { return QDir(m_temp.path()).filePath(name); }

    static void expectClosed(const SimulatedBootloaderDevice &device)
    {
        EXPECT_EQ(device.closes(), device.opens());
        EXPECT_FALSE(device.isOpen());
        EXPECT_EQ(device.liveHandles(), 0);
    }

    CatalogueServer m_server;
    SimulatedHidBackend m_hid;
    QTemporaryDir m_temp;
    std::stop_source m_stop;
    QString m_key;
    QString m_out;
    QString m_err;
};

TEST_F(MorvaneFlash, UsageErrorsExitWithOne)
{
    const QStringList cases[] = {
        {},
        {"frobnicate"},
        {"list", "extra"},
        {"notes", "MORVANE K7"},
        {"list", "--quiet"},
        {"devices", "--vid", "1a86"},
        {"devices", "--vid", "0x1a86", "--pid", "1"},
        {"devices", "--vid", "12345", "--pid", "1"},
        {"flash"},
        {"flash", "--file", "x.bin"},
        {"flash", "--file", "", "--vid", "1209", "--pid", "1"},
        {"flash", "MORVANE K7", "--vid", "1209", "--pid", "1"},
        {"lint"},
        {"list", "--catalogue", "relative/path"},
        {"list", "--no-such-option"},
    };
    for (const QStringList &arguments : cases) {
        EXPECT_EQ(run(arguments), exitUsage) << arguments.join(' ').toStdString();
        EXPECT_TRUE(m_err.contains("morvane-flash --help")) << m_err.toStdString();
        EXPECT_TRUE(m_out.isEmpty());
    }
    EXPECT_EQ(m_server.requests().size(), 0u);
}

TEST_F(MorvaneFlash, ListAndNotesFollowTheCatalogue)
{
    expectRun({"list"}, exitSuccess,
              "MORVANE X5 Pro\n  V2  1A86:E0A1  2026 Co.\n  V1  1A86:E0A1  2025 Co.\n"
              "MORVANE K7\n  V3  1209:0001  2026 Co.\n");

    EXPECT_EQ(run({"list", "--json"}), exitSuccess);
    const QJsonArray models = QJsonDocument::fromJson(m_out.toUtf8()).array();
    ASSERT_EQ(models.size(), 2);
    EXPECT_EQ(models[0]["model"], "MORVANE X5 Pro");
    EXPECT_EQ(models[0]["versions"][1]["version"], "V1");
    EXPECT_EQ(models[1]["versions"][0]["notesURL"], url("/notes/k7_v3.txt"));

    // The full name or the name the model list shows.
    expectRun({"notes", "X5 Pro", "V2"}, exitSuccess, "V2 fixes the wheel.\n");
    expectRun({"notes", "MORVANE K7", "V3"}, exitSuccess, "固件说明\n");
    expectRun({"notes", "Z1", "V1"}, exitUsage, "", "No model \"Z1\" in the catalogue.\n");
    expectRun({"notes", "K7", "V9"}, exitUsage, "",
              "No version \"V9\" of MORVANE K7 in the catalogue.\n");
    expectRun({"notes", "X5 Pro", "V1"}, exitCatalogue, "",
              "固件说明读取失败：The server answered with HTTP status 404 (Not Found).\n");
}

TEST_F(MorvaneFlash, CatalogueFailuresUseTheWindowsTextsAndExitWithTwo)
{
    m_server.setBody("/bad-utf8.txt", "MORVANE \xFF;1;2;3;4;http://a/b;http://a/c\n");
    const QString missing =
        "读取固件列表失败：The server answered with HTTP status 404 (Not Found).\n";
    expectRun({"list", "--catalogue", url("/missing.txt")}, exitCatalogue, "", missing);
    expectRun({"flash", "K7", "--catalogue", url("/missing.txt")}, exitCatalogue, "", missing);
    expectRun({"devices", "--catalogue", url("/bad-utf8.txt")}, exitCatalogue, "",
              "读取固件列表失败：服务器返回内容无法解析\n");
}

TEST_F(MorvaneFlash, DevicesTellPathAndAccess)
{
    expectRun({"devices"}, exitDevice, "", "No device found.\n");

    const auto x5 = attach();
    const auto k7 = attach(0x1209, 0x0001);
    EXPECT_EQ(run({"devices"}), exitSuccess);
    EXPECT_EQ(m_out,
              QString("MORVANE X5 Pro\t1A86:E0A1\t%1\tmay open\n"
                      "MORVANE K7\t1209:0001\t%2\tmay open\n")
                  .arg(QString::fromStdString(x5->path()), QString::fromStdString(k7->path())));
    expectClosed(*x5);

    Behaviour denied;
    denied.openFailure = EACCES;
    const auto locked = attach(0x1209, 0x0001, denied);
    EXPECT_EQ(run({"devices", "--vid", "1209", "--pid", "1", "--json"}), exitDevice);
    const QJsonArray devices = QJsonDocument::fromJson(m_out.toUtf8()).array();
    ASSERT_EQ(devices.size(), 2);
    EXPECT_EQ(devices[0]["mayOpen"], true);
    EXPECT_EQ(devices[1]["path"], QString::fromStdString(locked->path()));
    EXPECT_EQ(devices[1]["mayOpen"], false);
    EXPECT_EQ(devices[1]["error"], "Unable to open HID device. IOKit code: 13.");
    EXPECT_TRUE(devices[1]["hint"].toString().contains("udev rule"));
    EXPECT_TRUE(devices[1]["models"].toArray().isEmpty());
}

TEST_F(MorvaneFlash, FlashTakesTheWindowsStepsWithPlainProgress)
{
    const auto device = attach();
    EXPECT_EQ(run({"flash", "X5 Pro"}), exitSuccess) << m_err.toStdString();
    QStringList expected = {"Preparing to update MORVANE X5 Pro V2...", "MORVANE X5 Pro found.",
                            "Firmware downloaded: x5_v2", "Starting firmware transfer..."};
    for (int percent : {0, 25, 50, 75, 100}) {
        expected.append(QString("Update progress: %1%").arg(percent));
    }
    expected.append("Update completed.");
    EXPECT_EQ(m_out.split('\n', Qt::SkipEmptyParts), expected);
    EXPECT_TRUE(m_err.isEmpty());
    EXPECT_EQ(device->receivedImage(), padded(imageBytes(2)));
    EXPECT_TRUE(QFile::exists(saved("MorvaneUpdater/x5_v2.bin")));

    // A named version; quiet leaves the outcome only.
    expectRun({"flash", "MORVANE X5 Pro", "V1", "--quiet"}, exitSuccess, "Update completed.\n");
    EXPECT_EQ(device->receivedImage(), padded(imageBytes(1)));

    // A terminal gets one bar redrawn in place.
    const QString image = writeFile("image.bin", QByteArray(300, 'x'));
    EXPECT_EQ(run({"flash", "--file", image, "--vid", "1A86", "--pid", "e0a1"}, true), exitSuccess);
    EXPECT_TRUE(m_out.startsWith("Preparing to update 1A86:E0A1 image.bin...\n1A86:E0A1 found.\n"
                                 "Starting firmware transfer...\n"));
    EXPECT_TRUE(m_out.contains("\x1b[1A\r\x1b[2KUpdate progress: [####"));
    EXPECT_TRUE(m_out.endsWith("] 100%\nUpdate completed.\n"));
    EXPECT_FALSE(m_out.contains("Update progress: 5%"));
    expectClosed(*device);
}

TEST_F(MorvaneFlash, FlashFailuresMapToTheirExitStatus)
{
    Behaviour silent;
    silent.answers = false;
    Behaviour denied;
    denied.openFailure = EPERM;
    const struct
    {
        QStringList arguments;
        std::optional<Behaviour> device;
        int status;
        QString error;
    } cases[] = {
        {{"flash", "X5 Pro"},
         std::nullopt,
         exitDevice,
         "No MORVANE X5 Pro found. Please check the USB connection.\n"},
        {{"flash", "K7"},
         Behaviour{},
         exitCatalogue,
         "Firmware download failed: The server answered with HTTP status 404 (Not Found).\n"},
        {{"flash", "X5 Pro"},
         silent,
         exitTransfer,
         "Update failed: Timed out waiting for bootloader response.\n"},
        {{"flash", "X5 Pro", "--quiet"},
         denied,
         exitDevice,
         "Update failed: Unable to open HID device. IOKit code: 1.\n"},
        {{"flash", "Z9"}, std::nullopt, exitUsage, "No model \"Z9\" in the catalogue.\n"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.error.toStdString());
        std::shared_ptr<SimulatedBootloaderDevice> device;
        if (c.device) {
            device = attach(c.arguments.at(1) == "K7" ? 0x1209 : 0x1A86,
                            c.arguments.at(1) == "K7" ? 0x0001 : 0xE0A1, *c.device);
        }
        EXPECT_EQ(run(c.arguments), c.status);
        EXPECT_TRUE(m_err.startsWith(c.error)) << m_err.toStdString();
        // Only a device this user may not open gets the line on what to do.
        EXPECT_EQ(m_err.contains("70-morvane-updater.rules"), c.device && c.device->openFailure);
        if (device) {
            expectClosed(*device);
            m_hid.detach(device);
        }
    }
    const QString empty = writeFile("empty.bin", {});
    EXPECT_EQ(run({"flash", "--file", empty, "--vid", "1a86", "--pid", "e0a1"}), exitUsage);
    EXPECT_EQ(run({"flash", "--file", empty + ".none", "--vid", "1a86", "--pid", "e0a1"}),
              exitUsage);
}

TEST_F(MorvaneFlash, StopEndsAtAReportBoundaryAndClosesTheDevice)
{
    const auto device = attach();
    std::jthread interrupter([this, device](std::stop_token done) {
        while (!done.stop_requested() && device->imageReportCount() < 3) {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        m_stop.request_stop();
    });
    EXPECT_EQ(run({"flash", "X5 Pro"}), exitInterrupted);
    EXPECT_TRUE(m_err.startsWith("Update stopped: the transfer ended at a report boundary"));
    EXPECT_LT(device->imageReportCount(), 16u);
    expectClosed(*device);
}

TEST_F(MorvaneFlash, AllDevicesFlashAtOnceAndEachEndsOnItsOwn)
{
    Behaviour vanishing;
    vanishing.vanishAfterReports = 5;
    const auto first = attach();
    const auto gone = attach(0x1A86, 0xE0A1, vanishing);
    const auto third = attach();
    const QString image = writeFile("image.bin", QByteArray::fromStdString(imageBytes(3)));
    EXPECT_EQ(run({"flash", "--all-devices", "--file", image, "--vid", "1a86", "--pid", "e0a1"}),
              exitTransfer);
    for (const auto &device : {first, third}) {
        const QString path = QString::fromStdString(device->path());
        EXPECT_EQ(device->receivedImage(), padded(imageBytes(3)));
        EXPECT_TRUE(m_out.contains(path + ": Update progress: 50%\n"));
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

    m_hid.detach(gone);
    EXPECT_EQ(run({"flash", "--all-devices", "X5 Pro", "--quiet"}), exitSuccess);
    EXPECT_EQ(m_out.count("Update completed."), 2);
    EXPECT_EQ(m_out.count('\n'), 2);
}

TEST_F(MorvaneFlash, LintReadsFilesAndAddressesAndFetchesWhatRecordsPointAt)
{
    serveCatalogue("MORVANE X5 Pro;1a86;e0a1;V2;c;{B}/fw/x5_v2.bin;{B}/notes/x5_v2.txt;" +
                   digestOf(imageBytes(2)) +
                   "\nMORVANE K7;1209;0001;V3;c;{B}/fw/x5_v2.bin;{B}/notes/k7_v3.txt;sha256:" +
                   std::string(64, '0') +
                   "\nMORVANE X5 Pro;1a86;e0a1;V1;c;{B}/fw/empty.bin;{B}/notes/none.txt\n");
    m_server.setBody("/fw/empty.bin", "");
    const QString address = url("/product/MORVANE_LST.txt");

    expectRun({"lint", address}, exitSuccess, "3 record(s), 0 error(s), 0 warning(s)\n");

    EXPECT_EQ(run({"lint", address, "--fetch"}), exitCatalogue);
    for (const QString &line :
         {":1: note: notes " + url("/notes/x5_v2.txt") + ": HTTP 200, decodes as UTF-8\n",
          ":1: note: image " + url("/fw/x5_v2.bin") + ": HTTP 200, 256 bytes, digest matches\n",
          ":2: note: notes " + url("/notes/k7_v3.txt") + ": HTTP 200, decodes as GB18030\n",
          ":3: error: image " + url("/fw/empty.bin") + ": HTTP 200, empty",
          ":3: error: notes " + url("/notes/none.txt") + ": HTTP 404, The server answered"}) {
        EXPECT_TRUE(m_out.contains(address + line)) << line.toStdString();
    }
    // The image of line 2 is the one line 1 fetched; its digest is checked only there.
    EXPECT_EQ(m_server.requestCount("/fw/x5_v2.bin"), 1);
    EXPECT_TRUE(m_out.endsWith("3 record(s), 2 error(s), 0 warning(s)\n"));

    const QString file = writeFile("list.txt", "MORVANE X;1a86;e0a1;1;c;http://h/a.bin\n");
    EXPECT_EQ(run({"lint", file, "--json"}), exitCatalogue);
    const QJsonObject report = QJsonDocument::fromJson(m_out.toUtf8()).object();
    EXPECT_EQ(report["errors"], 1);
    EXPECT_EQ(report["findings"][0]["kind"], "too-few-fields");
    EXPECT_EQ(report["findings"][0]["line"], 1);
}

// Which digests are well-formed and which images match is held by the catalogue's tests; here,
// that a refusal is status 5 and leaves nothing saved or flashed.
TEST_F(MorvaneFlash, RefusedImagesExitWithFive)
{
    const auto device = attach();
    serveCatalogue("MORVANE X5 Pro;1a86;e0a1;V2;c;{B}/fw/x5_v2.bin;{B}/n.txt;" +
                   digestOf(imageBytes(9)) +
                   "\nMORVANE X5 Pro;1a86;e0a1;V1;c;{B}/fw/x5_v1.bin;{B}/n.txt;sha256:12\n");
    EXPECT_EQ(run({"flash", "X5 Pro", "V2", "--quiet"}), exitIntegrity);
    EXPECT_TRUE(m_err.startsWith(
        "Firmware download failed: The image does not match the catalogue's digest"));
    EXPECT_EQ(run({"flash", "X5 Pro", "V1", "--quiet"}), exitIntegrity);
    EXPECT_TRUE(
        m_err.startsWith("Update failed: The catalogue's image digest for this version is"));
    EXPECT_EQ(m_server.requestCount("/fw/x5_v1.bin"), 0);
    EXPECT_EQ(device->imageReportCount(), 0u);
    EXPECT_TRUE(QDir(saved("MorvaneUpdater")).isEmpty());
}

TEST_F(MorvaneFlash, SignedCatalogueIsCheckedWithTheBuildsKeyAndByLint)
{
    MinisignTool minisign;
    const std::string list = "MORVANE K7;1209;0001;V3;c;" + m_server.url("/fw/k7.bin") + ";" +
                             m_server.url("/notes/k7_v3.txt") + "\n";
    m_server.setBody("/product/MORVANE_LST.txt", list);
    m_server.setBody("/product/MORVANE_LST.txt.minisig",
                     minisign.sign(QByteArray::fromStdString(list)).toStdString());
    m_key = minisign.publicKeyLine();
    EXPECT_EQ(run({"list"}), exitSuccess);
    // Unsigned records are listed, but a signed catalogue flashes only images with digests.
    EXPECT_EQ(run({"flash", "K7"}), exitIntegrity);
    EXPECT_TRUE(m_err.startsWith("Update failed: The signed catalogue gives no image digest"));

    const QString address = url("/product/MORVANE_LST.txt");
    const QString keyFile = writeFile("key.pub", minisign.publicKeyFile());
    m_key.clear();
    EXPECT_EQ(run({"lint", address, "--public-key", keyFile}), exitSuccess);
    EXPECT_TRUE(m_out.startsWith(address + ": note: the signature holds for key "));

    m_server.setBody("/product/MORVANE_LST.txt", list + " ");
    EXPECT_EQ(run({"lint", address, "--public-key", minisign.publicKeyLine()}), exitIntegrity);
    EXPECT_TRUE(m_out.startsWith(address + ": error: The catalogue signature is not valid."));
    m_key = minisign.publicKeyLine();
    EXPECT_EQ(run({"list"}), exitIntegrity);
    EXPECT_TRUE(m_err.startsWith("读取固件列表失败：The catalogue signature is not valid."));
    m_server.setBody("/product/MORVANE_LST.txt.minisig", "", 404);
    EXPECT_EQ(run({"list"}), exitIntegrity);
    EXPECT_EQ(run({"lint", address, "--public-key", "not a key"}), exitUsage);
}

// The installed program itself, as a separate process.
TEST(MorvaneFlashProgram, HelpAndLintRunAsAProcess)
{
    QProcess help;
    help.start(MORVANE_FLASH_PROGRAM, {"--help"});
    ASSERT_TRUE(help.waitForFinished(30'000));
    EXPECT_EQ(help.exitCode(), 0);
    const QString text = QString::fromUtf8(help.readAllStandardOutput());
    EXPECT_TRUE(text.startsWith("Usage: morvane-flash [options] COMMAND [ARGUMENTS]\n"));
    EXPECT_TRUE(text.contains("  5    integrity or signature refused\n"));

    QTemporaryDir temp;
    const QString path = QDir(temp.path()).filePath("MORVANE_LST.txt");
    QFile list(path);
    ASSERT_TRUE(list.open(QIODevice::WriteOnly));
    list.write("MORVANE X;1a86;e0a1;1;c;;http://h/a.txt\n");
    list.close();
    QProcess lint;
    lint.start(MORVANE_FLASH_PROGRAM, {"lint", path});
    ASSERT_TRUE(lint.waitForFinished(30'000));
    EXPECT_EQ(lint.exitCode(), exitCatalogue);
    EXPECT_EQ(QString::fromUtf8(lint.readAllStandardOutput()),
              path + ":1: error: field 6 (firmware URL) is empty\n"
                     "0 record(s), 1 error(s), 0 warning(s)\n");

    // Ctrl-C reaches the program through its signal handler and ends a slow download.
    CatalogueServer server;
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
