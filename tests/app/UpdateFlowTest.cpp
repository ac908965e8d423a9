#include "AppFixture.h"
#include "FirmwareFileName.h"
#include "OpenFailureHelp.h"

#include <QFile>
#include <cerrno>

namespace {

std::string imageOf(size_t size)
{
    std::string image(size, '\0');
    for (size_t i = 0; i < size; ++i) {
        image[i] = char(uint8_t(3 + i * 7));
    }
    return image;
}

QByteArray fileContent(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// What the last update added to the pane: from the empty line before "Preparing" on.
QStringList updateLines(const QString &text)
{
    const QStringList lines = text.split('\n');
    for (qsizetype i = lines.size() - 1; i > 0; --i) {
        if (lines.at(i).startsWith("Preparing to update ")) {
            return lines.mid(i - 1);
        }
    }
    return {};
}

const QString preparing = "Preparing to update MORVANE X1 V2...";
const QString absent = "No MORVANE X1 found. Please check the USB connection.";

} // namespace

class UpdateFlow : public AppFixture
{
protected:
    std::shared_ptr<SimulatedBootloaderDevice>
    attachDevice(SimulatedBootloaderDevice::Behaviour behaviour = {})
    {
        auto device = std::make_shared<SimulatedBootloaderDevice>(0x1A86, 0xE0A1, behaviour);
        m_hid.attach(device);
        return device;
    }

    // One model with one version whose image is `image`.
    AppDelegate &launchWithImage(const std::string &image, const std::string &vid = "1a86")
    {
        m_server.setBody("/fw/X1_V2.bin", image);
        m_server.setBody("/fw/X1_V2.txt", "notes");
        AppDelegate &app = launchWith(line("MORVANE X1", "V2", "c", "X1_V2", vid));
        EXPECT_TRUE(waitForEnding("notes"));
        return app;
    }

    QStringList runUpdate()
    {
        m_app->updateSelectedFirmware();
        EXPECT_TRUE(waitForUpdateToEnd());
        EXPECT_TRUE(m_app->isUpdateEnabled());
        return updateLines(m_app->infoText());
    }
};

TEST_F(UpdateFlow, ASuccessfulUpdateReportsEveryStepAndFlashesTheImage)
{
    const auto device = attachDevice();
    const std::string image = imageOf(1000);
    launchWithImage(image);
    const qsizetype textsBefore = m_texts.size();

    EXPECT_EQ(runUpdate(),
              (QStringList{"", preparing, "MORVANE X1 found.", "Firmware downloaded: X1_V2",
                           "Starting firmware transfer...", "Update progress: 100%",
                           "Update completed."}));
    QStringList progress;
    for (const QString &text : m_texts.mid(textsBefore)) {
        if (text.section('\n', -1).startsWith("Update progress: ")) {
            progress.append(text.section('\n', -1));
        }
    }
    EXPECT_EQ(progress,
              (QStringList{"Update progress: 0%", "Update progress: 25%", "Update progress: 50%",
                           "Update progress: 75%", "Update progress: 100%"}));
    std::string padded = image;
    padded.resize(1024, '\0');
    const std::vector<uint8_t> received = device->receivedImage();
    EXPECT_EQ(std::string(received.begin(), received.end()), padded);
    EXPECT_FALSE(device->isOpen());
    EXPECT_EQ(fileContent(QDir(m_folder).filePath("X1_V2.bin")), QByteArray::fromStdString(image));

    m_server.setBody("/fw/X1_V2.bin", "second image");
    EXPECT_EQ(runUpdate().last(), "Update completed.");
    EXPECT_EQ(fileContent(QDir(m_folder).filePath("X1_V2.bin")), QByteArray("second image"));
}

TEST_F(UpdateFlow, NoSelectionOrNoDeviceStopsBeforeTheDownload)
{
    makeApp(QUrl(QString::fromStdString(url(listPath)))).updateSelectedFirmware();
    EXPECT_EQ(m_texts, QStringList{QStringLiteral("正在读取固件列表...")});

    launchWithImage(imageOf(64));
    EXPECT_EQ(runUpdate(), (QStringList{"", preparing, absent}));
    EXPECT_EQ(m_hid.lookups(), 1u);

    // Identifiers that are not base-16 numbers never reach the HID stack.
    attachDevice();
    launchWithImage(imageOf(64), "0x1a86");
    EXPECT_EQ(runUpdate(), (QStringList{"", preparing, absent}));
    EXPECT_EQ(m_hid.lookups(), 1u);
    EXPECT_EQ(m_server.requestCount("/fw/X1_V2.bin"), 0);
}

TEST_F(UpdateFlow, DownloadFailuresFlashNothingAndSaveNothing)
{
    const auto device = attachDevice();
    const std::string fw = "/fw/X1_V2.bin";
    const struct
    {
        CatalogueServer::Response response;
        QString expected;
        std::string firmwareURL = {};
    } cases[] = {
        {{404, "<html>Not here</html>"},
         "Firmware download failed: The server answered with HTTP status 404"},
        {{}, QStringLiteral("Firmware download failed: 服务器没有返回固件数据")},
        {droppedAfter(imageOf(4096), 1500), "Firmware download failed: "},
        {{}, "Firmware download failed: ", refusedUrl(fw)},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.expected.toStdString());
        m_server.setResponse(fw, c.response);
        m_server.setBody("/fw/X1_V2.txt", "notes");
        const std::string firmwareURL = c.firmwareURL.empty() ? url(fw) : c.firmwareURL;
        launchWith("MORVANE X1;1a86;e0a1;V2;c;" + firmwareURL + ";" + url("/fw/X1_V2.txt"));
        ASSERT_TRUE(waitForEnding("notes"));
        const QStringList lines = runUpdate();
        EXPECT_EQ(lines.value(2), "MORVANE X1 found.");
        EXPECT_TRUE(lines.value(3).startsWith(c.expected)) << lines.value(3).toStdString();
        EXPECT_GT(lines.value(3).size(), 26);
        EXPECT_EQ(lines.size(), 4);
    }
    EXPECT_EQ(device->opens(), 0u);
    EXPECT_FALSE(QDir(m_folder).exists("X1_V2.bin"));

    m_server.setBody(fw, "image");
    QFile blocker(m_folder);
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EXPECT_TRUE(runUpdate().last().startsWith("Firmware download failed: "));
}

TEST_F(UpdateFlow, TransferFailuresEndTheFlowWithTheDeviceClosed)
{
    using namespace std::chrono_literals;
    using Behaviour = SimulatedBootloaderDevice::Behaviour;
    const QString starting = "Starting firmware transfer...";
    const QString timedOut = "Update failed: Timed out waiting for bootloader response.";
    const QString help = QString::fromStdString(*openFailureHelp(BootloaderError::openFailed(13)));
    // The handshake request is report 1: the last two fail at the 11th and 10th image report.
    const std::pair<Behaviour, QStringList> cases[] = {
        {behaviourWith(&Behaviour::answerBytes, {{5, 0x02}}),
         {starting, "Update failed: Unexpected bootloader response: 5A C3 1E 7B 01 02 00 01."}},
        {behaviourWith(&Behaviour::answers, false), {starting, timedOut}},
        {behaviourWith(&Behaviour::answerResult, int32_t(0xE00002C5)), {starting, timedOut}},
        {behaviourWith(&Behaviour::answerLength, 32),
         {starting, "Update failed: Unexpected HID response length: 32."}},
        {behaviourWith(&Behaviour::answerDelay, 3300ms), {starting, timedOut}},
        {behaviourWith(&Behaviour::openFailure, EACCES),
         {starting, "Update failed: Unable to open HID device. IOKit code: 13.", help}},
        {behaviourWith(&Behaviour::writeFailure, SimulatedBootloaderDevice::WriteFailure{12, 5}),
         {"Update progress: 25%", "Update failed: Unable to write HID report. IOKit code: 5."}},
        {behaviourWith(&Behaviour::vanishAfterReports, 10),
         {"Update progress: 25%",
          "Update failed: Unable to write HID report. IOKit code: -536870208."}},
    };
    for (const auto &[behaviour, ending] : cases) {
        SCOPED_TRACE(ending.last().toStdString());
        const auto device = attachDevice(behaviour);
        launchWithImage(imageOf(2048));
        const QStringList lines = runUpdate();
        EXPECT_EQ(lines.mid(lines.size() - ending.size()), ending);
        EXPECT_FALSE(device->isOpen());
        m_hid.detach(device);
    }
}

TEST_F(UpdateFlow, AStoppedUpdateEndsAtAReportBoundaryWithTheDeviceClosed)
{
    const auto device = attachDevice();
    launchWithImage(imageOf(4096));
    m_app->updateSelectedFirmware();
    ASSERT_TRUE(QTest::qWaitFor([&] { return device->imageReportCount() >= 3; }, 20'000));
    m_app->stopUpdate();
    EXPECT_FALSE(device->isOpen());
    const std::size_t reports = device->imageReportCount();
    ASSERT_TRUE(waitForUpdateToEnd());
    EXPECT_EQ(device->imageReportCount(), reports);
    EXPECT_LT(reports, 64u);
    for (const auto &report : device->reports()) {
        EXPECT_EQ(report.bytes.size(), 64u);
    }
    EXPECT_EQ(m_app->infoText().section('\n', -1), AppDelegate::updateStoppedLine);
    EXPECT_TRUE(m_app->isUpdateEnabled());

    // Stopped while downloading, the update never reaches the device.
    CatalogueServer::Response slow;
    slow.body = imageOf(64);
    slow.delay = std::chrono::milliseconds(300);
    m_server.setResponse("/fw/X1_V2.bin", slow);
    m_app->updateSelectedFirmware();
    m_app->stopUpdate();
    EXPECT_EQ(runUpdate().last(), AppDelegate::updateStoppedLine);
    EXPECT_EQ(device->opens(), 1u);
}

TEST_F(UpdateFlow, AHostileFileNameStaysInTheFirmwareFolder)
{
    attachDevice();
    m_server.setBody("/fw/../../evil.bin", "image"); // the server sees the path decoded
    m_server.setBody("/fw/n.txt", "notes");
    launchWith("X;1a86;e0a1;V1;c;" + url("/fw/..%2F..%2Fevil.bin") + ";" + url("/fw/n.txt"));
    ASSERT_TRUE(waitForEnding("notes"));
    EXPECT_EQ(runUpdate().value(3), "Firmware downloaded: firmware");
    EXPECT_EQ(QDir(m_folder).entryList(QDir::Files), QStringList{fallbackFirmwareFileName});
    EXPECT_EQ(QDir(m_temp.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList{"MorvaneUpdater"});
}

TEST_F(UpdateFlow, AnUpdateIsNeverStartedTwice)
{
    const auto device = attachDevice();
    m_server.setBody("/fw/X1_V2.bin", imageOf(4096));
    m_server.setBody("/fw/X1_V2.txt", "notes");
    m_server.setBody("/fw/b.txt", "notes of B");
    launchWith(line("MORVANE X1", "V2", "c", "X1_V2") + line("MORVANE X1", "V3", "c", "b"));
    ASSERT_TRUE(waitForEnding("notes"));

    m_app->updateSelectedFirmware();
    ASSERT_TRUE(waitForText([](const QString &t) { return t.contains("Update progress: 0%"); }));
    selectRow(m_app->firmwareSelection(), 1);
    EXPECT_EQ(m_app->selectedFirmware()->version, "V3");
    EXPECT_FALSE(m_app->isUpdateEnabled());
    m_app->updateSelectedFirmware();

    ASSERT_TRUE(waitForUpdateToEnd());
    EXPECT_EQ(device->handshakes(), 1u);
    EXPECT_EQ(device->imageReportCount(), 64u);
    EXPECT_TRUE(m_app->isUpdateEnabled());
    // The running flow wrote on below the new version's details.
    EXPECT_TRUE(m_app->infoText().startsWith("Model: MORVANE X1\nVersion: V3\n"));
    EXPECT_EQ(m_app->infoText().section('\n', -1), "Update completed.");
}
