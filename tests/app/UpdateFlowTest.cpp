#include "AppFixture.h"
#include "FirmwareFileName.h"

#include <QFile>

namespace {

std::string imageOf(size_t size, uint8_t seed)
{
    std::string image(size, '\0');
    for (size_t i = 0; i < size; ++i) {
        image[i] = char(uint8_t(seed + i * 7));
    }
    return image;
}

QByteArray fileContent(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// What the last update added to the pane: its lines from the empty line before
// "Preparing to update" on.
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

    // One model with one version whose image is `image`; notes are answered at once.
    AppDelegate &launchWithImage(const std::string &image, const std::string &vid = "1a86")
    {
        m_server.setBody("/fw/X1_V2.bin", image);
        m_server.setBody("/fw/X1_V2.txt", "notes");
        AppDelegate &app = launchWith(line("MORVANE X1", vid, "e0a1", "V2", "c", "X1_V2"));
        EXPECT_TRUE(waitForText([](const QString &t) { return t.endsWith("notes"); }));
        return app;
    }

    QStringList progressTexts() const
    {
        QStringList values;
        for (const QString &text : m_texts) {
            const QString last = text.section('\n', -1);
            if (last.startsWith("Update progress: ") &&
                (values.isEmpty() || values.last() != last)) {
                values.append(last);
            }
        }
        return values;
    }
};

TEST_F(UpdateFlow, ASuccessfulUpdateReportsEveryStepAndFlashesTheImage)
{
    const auto device = attachDevice();
    const std::string image = imageOf(1000, 3);
    AppDelegate &app = launchWithImage(image);
    const int textsBefore = int(m_texts.size());

    app.updateSelectedFirmware();
    EXPECT_FALSE(app.isUpdateEnabled());
    ASSERT_TRUE(waitForUpdateToEnd());

    EXPECT_EQ(updateLines(app.infoText()),
              (QStringList{"", "Preparing to update MORVANE X1 V2...", "MORVANE X1 found.",
                           "Firmware downloaded: X1_V2", "Starting firmware transfer...",
                           "Update progress: 100%", "Update completed."}));
    EXPECT_TRUE(app.infoText().startsWith("Model: MORVANE X1\nVersion: V2\nc\n\nnotes\n\n"));
    EXPECT_EQ(progressTexts(),
              (QStringList{"Update progress: 0%", "Update progress: 25%", "Update progress: 50%",
                           "Update progress: 75%", "Update progress: 100%"}));
    // preparing, found, downloaded, starting, five progress lines, completed
    EXPECT_EQ(m_texts.size() - textsBefore, 10);
    EXPECT_TRUE(app.isUpdateEnabled());

    std::string padded = image;
    padded.resize(1024, '\0');
    const std::vector<uint8_t> received = device->receivedImage();
    EXPECT_EQ(std::string(received.begin(), received.end()), padded);
    EXPECT_EQ(device->handshakes(), 1u);
    EXPECT_FALSE(device->isOpen());
    EXPECT_EQ(fileContent(QDir(m_folder).filePath("X1_V2.bin")), QByteArray::fromStdString(image));
}

TEST_F(UpdateFlow, PressingWithNothingSelectedDoesNothing)
{
    AppDelegate &app = makeApp(QUrl(QString::fromStdString(url(listPath))));
    const QStringList before = m_texts;
    app.updateSelectedFirmware();
    EXPECT_EQ(m_texts, before);
    EXPECT_FALSE(app.isUpdating());
    EXPECT_EQ(m_hid.lookups(), 0u);
}

TEST_F(UpdateFlow, UnreadableIdentifiersMeanNoDeviceWithoutAskingTheHidStack)
{
    attachDevice();
    AppDelegate &app = launchWithImage(imageOf(64, 1), "0x1a86");
    app.updateSelectedFirmware();
    ASSERT_TRUE(waitForUpdateToEnd());
    EXPECT_EQ(updateLines(app.infoText()),
              (QStringList{"", "Preparing to update MORVANE X1 V2...",
                           "No MORVANE X1 found. Please check the USB connection."}));
    EXPECT_EQ(m_hid.lookups(), 0u);
    EXPECT_TRUE(app.isUpdateEnabled());
}

TEST_F(UpdateFlow, AnAbsentDeviceIsReportedAndTheButtonComesBack)
{
    AppDelegate &app = launchWithImage(imageOf(64, 1));
    app.updateSelectedFirmware();
    ASSERT_TRUE(waitForUpdateToEnd());
    EXPECT_EQ(updateLines(app.infoText()).last(),
              "No MORVANE X1 found. Please check the USB connection.");
    EXPECT_EQ(m_hid.lookups(), 1u);
    EXPECT_EQ(m_server.requestCount("/fw/X1_V2.bin"), 0);
    EXPECT_TRUE(app.isUpdateEnabled());
}

TEST_F(UpdateFlow, DownloadFailuresFlashNothingAndSaveNothing)
{
    const auto device = attachDevice();
    AppDelegate &app = launchWithImage(imageOf(64, 1));

    struct Case
    {
        const char *name;
        CatalogueServer::Response response;
        QString expectedStart;
    };
    CatalogueServer::Response errorPage;
    errorPage.status = 404;
    errorPage.body = "<html>Not here</html>";
    CatalogueServer::Response empty;
    CatalogueServer::Response dropped;
    dropped.dropConnection = true;
    const Case cases[] = {
        {"error page", errorPage,
         "Firmware download failed: The server answered with HTTP status 404"},
        {"empty body", empty, QStringLiteral("Firmware download failed: 服务器没有返回固件数据")},
        {"dropped", dropped, "Firmware download failed: "},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        m_server.setResponse("/fw/X1_V2.bin", c.response);
        app.updateSelectedFirmware();
        ASSERT_TRUE(waitForUpdateToEnd());
        const QStringList lines = updateLines(app.infoText());
        EXPECT_EQ(lines.value(lines.size() - 2), "MORVANE X1 found.");
        EXPECT_TRUE(lines.last().startsWith(c.expectedStart)) << lines.last().toStdString();
        EXPECT_GT(lines.last().size(), QString("Firmware download failed: ").size());
        EXPECT_TRUE(app.isUpdateEnabled());
    }
    EXPECT_EQ(device->opens(), 0u);
    EXPECT_FALSE(QDir(m_folder).exists("X1_V2.bin"));
}

TEST_F(UpdateFlow, AFolderThatCannotBeWrittenIsADownloadFailure)
{
    attachDevice();
    QFile blocker(m_folder);
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    AppDelegate &app = launchWithImage(imageOf(64, 1));
    app.updateSelectedFirmware();
    ASSERT_TRUE(waitForUpdateToEnd());
    EXPECT_TRUE(app.infoText().section('\n', -1).startsWith("Firmware download failed: "));
}

TEST_F(UpdateFlow, AHandshakeFailureShowsNoProgress)
{
    SimulatedBootloaderDevice::Behaviour wrongByte;
    wrongByte.answerBytes = {{5, 0x02}};
    const auto device = attachDevice(wrongByte);
    AppDelegate &app = launchWithImage(imageOf(64, 1));
    app.updateSelectedFirmware();
    ASSERT_TRUE(waitForUpdateToEnd());
    const QStringList lines = updateLines(app.infoText());
    ASSERT_GE(lines.size(), 2);
    EXPECT_EQ(lines.value(lines.size() - 2), "Starting firmware transfer...");
    EXPECT_TRUE(
        lines.last().startsWith("Update failed: Unexpected bootloader response: 5A C3 1E 7B 01 02"))
        << lines.last().toStdString();
    EXPECT_FALSE(device->isOpen());
    EXPECT_TRUE(app.isUpdateEnabled());
}

TEST_F(UpdateFlow, AFailureInMidTransferKeepsTheLastProgressLine)
{
    SimulatedBootloaderDevice::Behaviour failing;
    // The handshake request is the first report, so this is the 11th image report of 32.
    failing.writeFailure = SimulatedBootloaderDevice::WriteFailure{12, 5};
    const auto device = attachDevice(failing);
    AppDelegate &app = launchWithImage(imageOf(2048, 9));
    app.updateSelectedFirmware();
    ASSERT_TRUE(waitForUpdateToEnd());
    const QStringList lines = updateLines(app.infoText());
    EXPECT_EQ(lines.mid(lines.size() - 3),
              (QStringList{"Starting firmware transfer...", "Update progress: 25%",
                           "Update failed: Unable to write HID report. IOKit code: 5."}));
    EXPECT_FALSE(device->isOpen());
    EXPECT_TRUE(app.isUpdateEnabled());
}

TEST_F(UpdateFlow, ASecondDownloadOverwritesTheSavedFile)
{
    attachDevice();
    AppDelegate &app = launchWithImage(imageOf(100, 1));
    app.updateSelectedFirmware();
    ASSERT_TRUE(waitForUpdateToEnd());
    m_server.setBody("/fw/X1_V2.bin", "second image");
    app.updateSelectedFirmware();
    ASSERT_TRUE(waitForUpdateToEnd());
    EXPECT_EQ(fileContent(QDir(m_folder).filePath("X1_V2.bin")), QByteArray("second image"));
    EXPECT_EQ(app.infoText().section('\n', -1), "Update completed.");
}

TEST_F(UpdateFlow, AHostileFileNameStaysInTheFirmwareFolder)
{
    attachDevice();
    // The server sees the path percent-decoded.
    m_server.setBody("/fw/../../evil.bin", "image");
    m_server.setBody("/fw/notes.txt", "notes");
    const std::string list =
        "X;1a86;e0a1;V1;c;" + url("/fw/..%2F..%2Fevil.bin") + ";" + url("/fw/notes.txt") + "\n";
    AppDelegate &app = launchWith(list);
    ASSERT_TRUE(waitForText([](const QString &t) { return t.endsWith("notes"); }));
    app.updateSelectedFirmware();
    ASSERT_TRUE(waitForUpdateToEnd());
    EXPECT_TRUE(app.infoText().contains("Firmware downloaded: firmware\n"))
        << app.infoText().toStdString();
    EXPECT_EQ(QDir(m_folder).entryList(QDir::Files), QStringList{fallbackFirmwareFileName});
    EXPECT_EQ(QDir(m_temp.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList{"MorvaneUpdater"});
}

TEST_F(UpdateFlow, AnUpdateIsNeverStartedTwice)
{
    const auto device = attachDevice();
    m_server.setBody("/fw/b.bin", imageOf(64, 2));
    m_server.setBody("/fw/b.txt", "notes of B");
    m_server.setBody("/fw/X1_V2.bin", imageOf(4096, 1));
    m_server.setBody("/fw/X1_V2.txt", "notes");
    AppDelegate &app = launchWith(line("MORVANE X1", "1a86", "e0a1", "V2", "c", "X1_V2") +
                                  line("MORVANE X1", "1a86", "e0a1", "V3", "c", "b"));
    ASSERT_TRUE(waitForText([](const QString &t) { return t.endsWith("notes"); }));

    app.updateSelectedFirmware();
    ASSERT_TRUE(waitForText([](const QString &t) { return t.contains("Update progress: 0%"); }));
    selectFirmwareRow(1);
    EXPECT_EQ(app.selectedFirmware()->version, "V3");
    EXPECT_FALSE(app.isUpdateEnabled());
    app.updateSelectedFirmware();

    ASSERT_TRUE(waitForUpdateToEnd());
    EXPECT_EQ(device->handshakes(), 1u);
    EXPECT_EQ(device->imageReportCount(), 64u);
    EXPECT_TRUE(app.isUpdateEnabled());
    // The running flow wrote on below the new version's details.
    EXPECT_TRUE(app.infoText().startsWith("Model: MORVANE X1\nVersion: V3\n"));
    EXPECT_EQ(app.infoText().section('\n', -1), "Update completed.");
}
