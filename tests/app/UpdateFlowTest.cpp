#include "AppFixture.h"
#include "bootloader/DeviceLock.h"
#include "bootloader/OpenFailureHelp.h"
#include "update/FirmwareFileName.h"
#include "update/UpdateMessages.h"

#include <QFile>
#include <cerrno>
#include <optional>
#include <unistd.h>

using namespace std::chrono_literals;

namespace {

const std::string imagePath = "/fw/X1_V2.bin";
const QString preparing = "Preparing to update MORVANE X1 V2...";
const QString absent = "No MORVANE X1 found. Please check the USB connection.";

std::string imageOf(size_t size)
{
    std::string image(size, '\0');
    for (size_t i = 0; i < size; ++i) {
        image[i] = char(uint8_t(3 + i * 7));
    }
    return image;
}

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

    m_server.setBody(imagePath, "second image");
    EXPECT_EQ(runUpdate().last(), "Update completed.");
    EXPECT_EQ(savedImage(), QByteArray("second image"));
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

// Each phase's faults are tabled with the phase (tests/update); here, how the pane tells a
// failure of each: after the device check, after the transfer started, and in the middle of it.
TEST_F(UpdateFlow, AFailureOfEitherPhaseEndsThePaneWithItsLines)
{
    using Behaviour = SimulatedBootloaderDevice::Behaviour;
    const QString help = QString::fromStdString(*openFailureHelp(BootloaderError::openFailed(13)));
    const struct
    {
        QStringList ending;
        Behaviour behaviour = {};
        CatalogueServer::Response response = {.body = imageOf(2048)};
        // The device's node is locked, here ({node} and {pid} in the ending).
        bool held = false;
    } cases[] = {
        {{"Starting firmware transfer...",
          "Update failed: Unable to open HID device. IOKit code: 13.", help},
         behaviourWith(&Behaviour::openFailure, EACCES)},
        {{"Update progress: 25%",
          "Update failed: Unable to write HID report. IOKit code: -536870208.",
          UpdateMessages::leftTheBus()},
         behaviourWith(&Behaviour::vanishAfterReports, 10)},
        {{"Starting firmware transfer...", "Update failed: The device at {node} is in use by "
                                           "another program (process {pid}); nothing was sent to "
                                           "it."},
         behaviourWith(&Behaviour::nodeFolder, m_temp.path().toStdString()),
         {.body = imageOf(2048)},
         true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.ending.join(" / ").toStdString());
        const auto device = attachDevice(c.behaviour);
        std::optional<DeviceLock> lock;
        if (c.held) {
            ASSERT_EQ(lock.emplace(DeviceLock::take(device->path())).state(),
                      DeviceLock::State::held);
        }
        m_server.setResponse(imagePath, c.response);
        launchX1();
        const QStringList lines = runUpdate();
        QStringList ending = c.ending;
        ending.replaceInStrings("{node}", QString::fromStdString(device->path()))
            .replaceInStrings("{pid}", QString::number(::getpid()));
        EXPECT_EQ(lines.mid(lines.size() - ending.size()), ending);
        EXPECT_FALSE(device->isOpen());
        m_hid.detach(device);
    }

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

TEST_F(UpdateFlow, AHostileFileNameStaysInTheFirmwareFolder)
{
    attachDevice();
    m_server.setBody("/fw/../../evil.bin", "image"); // the server sees the path decoded
    launchX1(url("/fw/..%2F..%2Fevil.bin"));
    EXPECT_EQ(runUpdate().value(3), "Firmware downloaded: firmware");
    EXPECT_EQ(QDir(m_folder).entryList(QDir::Files), QStringList{fallbackFirmwareFileName});
    EXPECT_EQ(QDir(m_temp.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList{"MorvaneUpdater"});
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
