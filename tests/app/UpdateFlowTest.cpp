#include "AppFixture.h"
#include "bootloader/OpenFailureHelp.h"
#include "update/UpdateMessages.h"

#include <QFile>
#include <QRegularExpression>
#include <cerrno>
#include <optional>

using namespace std::chrono_literals;

namespace {

const std::string imagePath = "/fw/X1_V2.bin";
const QString preparing = "Preparing to update MORVANE X1 V2...";
const QString absent = "No MORVANE X1 found. Please check the USB connection.";

} // namespace

class UpdateFlow : public AppFixture
{
protected:
    // One model with one version, its image at `firmwareURL` (by default at imagePath).
    void launchX1(const std::string &firmwareURL = {})
    {
        m_server.setBody("/fw/X1_V2.txt", "notes");
        launchWith("MORVANE X1;1a86;e0a1;V2;c;" +
                   (firmwareURL.empty() ? url(imagePath) : firmwareURL) + ";" +
                   url("/fw/X1_V2.txt"));
        EXPECT_TRUE(waitForEnding("notes"));
    }
    void launchWithImage(const std::string &image)
    {
        m_server.setBody(imagePath, image);
        launchX1();
    }
    QByteArray savedImage() const
    {
        QFile file(QDir(m_folder).filePath("X1_V2.bin"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

TEST_F(UpdateFlow, ASuccessfulUpdateReportsEveryStepAndFlashesTheImage)
{
    const auto device = attachDevice();
    const std::string image = imageOf(1000);
    launchWithImage(image);

    EXPECT_EQ(runUpdate(),
              (QStringList{"", preparing, "MORVANE X1 found.", "Firmware downloaded: X1_V2",
                           "Starting firmware transfer...", "Update progress: 100%",
                           "Update completed."}));
    const std::vector<uint8_t> received = device->receivedImage();
    EXPECT_EQ(std::string(received.begin(), received.end()), image + std::string(24, '\0'));
    EXPECT_FALSE(device->isOpen());
    EXPECT_EQ(savedImage(), QByteArray::fromStdString(image));
}

TEST_F(UpdateFlow, NoSelectionOrNoDeviceStopsBeforeTheDownload)
{
    makeApp(QUrl(QString::fromStdString(url(listPath)))).updateSelectedFirmware();
    EXPECT_EQ(m_texts, QStringList{QStringLiteral("正在读取固件列表...")});

    launchWithImage(imageOf(64));
    EXPECT_EQ(runUpdate(), (QStringList{"", preparing, absent}));
    EXPECT_EQ(m_hid.lookups(), 1u);
    EXPECT_EQ(m_server.requestCount(imagePath), 0);
}

// Each phase's faults are tabled with the phase (tests/update); here, that the pane ends with
// a failure's line and its help, and that the device is looked for again after the download.
TEST_F(UpdateFlow, AFailureOfEitherPhaseEndsThePaneWithItsLines)
{
    const auto denied =
        attachDevice(behaviourWith(&SimulatedBootloaderDevice::Behaviour::openFailure, EACCES));
    launchWithImage(imageOf(2048));
    const QStringList lines = runUpdate();
    EXPECT_EQ(lines.mid(4, 3),
              (QStringList{
                  "Starting firmware transfer...",
                  "Update failed: Unable to open HID device. IOKit code: 13.",
                  QString::fromStdString(*openFailureHelp(BootloaderError::openFailed(EACCES)))}));
    // Then doctor's findings (tests/diagnosis): the rule first, the seat among them.
    const QStringList findings = lines.mid(7);
    EXPECT_TRUE(!findings.isEmpty() && findings.first().startsWith("udev-rule (") &&
                !findings.filter(QRegularExpression("^seat-session \\(")).isEmpty())
        << findings.join('\n').toStdString();
    EXPECT_FALSE(denied->isOpen());
    m_hid.detach(denied);

    // Unplugged while its image downloads: the transfer looks for the device again.
    const auto device = attachDevice();
    m_server.setResponse(imagePath, {.body = imageOf(64), .delay = 300ms});
    launchX1();
    m_app->updateSelectedFirmware();
    m_hid.detach(device);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !m_app->isUpdating(); }, 20'000));
    EXPECT_TRUE(m_app->infoText().endsWith(
        "Starting firmware transfer...\nUpdate failed: " +
        QString::fromStdString(BootloaderError::deviceNotFound().errorDescription())));
    EXPECT_EQ(device->opens(), 0u);
}

// Where a stop leaves the device is the transfers' business (tests/update); here, that
// stopUpdate returns with the device closed and the pane ends with the stop.
TEST_F(UpdateFlow, AStoppedUpdateEndsAtAReportBoundaryWithTheDeviceClosed)
{
    const auto device = attachDevice();
    launchWithImage(imageOf(4096));
    m_app->updateSelectedFirmware();
    ASSERT_TRUE(QTest::qWaitFor([&] { return device->imageReportCount() >= 3; }, 20'000));
    m_app->stopUpdate();
    EXPECT_FALSE(device->isOpen());
    EXPECT_EQ(runUpdate().last(), UpdateMessages::updateStopped());

    // Stopped while downloading, the update never reaches the device.
    m_server.setResponse(imagePath, {.body = imageOf(64), .delay = 300ms});
    m_app->updateSelectedFirmware();
    m_app->stopUpdate();
    EXPECT_EQ(runUpdate().last(), UpdateMessages::updateStopped());
    EXPECT_EQ(device->opens(), 1u);
}

TEST_F(UpdateFlow, AnUpdateIsNeverStartedTwice)
{
    const auto device = attachDevice();
    m_server.setBody("/fw/x2.bin", imageOf(4096));
    m_server.setBody("/fw/x2.txt", "notes");
    m_server.setBody("/fw/x3.txt", "notes of V3");
    launchWith(line("MORVANE X1", "V2", "x2") + line("MORVANE X1", "V3", "x3"));
    ASSERT_TRUE(waitForEnding("notes"));

    m_app->updateSelectedFirmware();
    ASSERT_TRUE(waitForText([](const QString &t) { return t.contains("Update progress: 0%"); }));
    selectRow(m_app->firmwareSelection(), 1);
    EXPECT_FALSE(m_app->isUpdateEnabled());
    // Pressed again while it runs: the running flow goes on below the new version's details.
    EXPECT_EQ(runUpdate().last(), "Update completed.");
    EXPECT_EQ(device->handshakes(), 1u);
    EXPECT_EQ(device->imageReportCount(), 64u);
    EXPECT_TRUE(m_app->infoText().startsWith("Model: MORVANE X1\nVersion: V3\n"));
}
