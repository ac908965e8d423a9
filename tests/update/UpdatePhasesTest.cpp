#include "ServedDevicesFixture.h"
#include "TestFiles.h"
#include "bootloader/BootloaderError.h"
#include "bootloader/DeviceLock.h"
#include "bootloader/HIDBootloader.h"
#include "bootloader/OpenFailureHelp.h"
#include "download/WebSource.h"
#include "update/DeviceTransfers.h"
#include "update/ImagePreparation.h"
#include "update/UpdateMessages.h"

#include <QFile>
#include <QNetworkAccessManager>
#include <QTest>
#include <cerrno>
#include <unistd.h>

using namespace std::chrono_literals;
using Status = UpdateOutcome::Status;

namespace {

const std::string imagePath = "/fw/X1_V2.bin";

} // namespace

class UpdatePhases : public ServedDevicesFixture
{
protected:
    FirmwareItem itemAt(const std::string &firmwareURL) const
    {
        return {"MORVANE X1",
                "1a86",
                "e0a1",
                "V2",
                "c",
                QUrl(QString::fromStdString(firmwareURL)),
                QUrl(QString::fromStdString(url("/fw/X1_V2.txt"))),
                {}};
    }

    // Prepares the target to its end: the image, or the outcome it failed with.
    std::variant<QByteArray, UpdateOutcome> prepare(const UpdateTarget &target, bool keyBuiltIn,
                                                    bool stop = false)
    {
        ImagePreparation preparation(m_source, folder(), keyBuiltIn);
        std::optional<std::variant<QByteArray, UpdateOutcome>> end;
        QObject::connect(&preparation, &ImagePreparation::prepared,
                         [&](const QByteArray &image, const QString &keptLine) {
                             end = image;
                             m_keptLine = keptLine;
                         });
        QObject::connect(&preparation, &ImagePreparation::failed,
                         [&](const UpdateOutcome &outcome) { end = outcome; });
        EXPECT_TRUE(preparation.prepare(target));
        EXPECT_FALSE(preparation.prepare(target) && !end) << "a second preparation at once";
        if (stop) {
            preparation.stop();
        }
        EXPECT_TRUE(QTest::qWaitFor([&] { return end.has_value(); }, 20'000));
        return end.value_or(UpdateOutcome{});
    }

    QString folder() const { return inTemp("MorvaneUpdater"); }
    bool saved() const { return QDir(folder()).exists("X1_V2.bin"); }

    QNetworkAccessManager m_network;
    WebSource m_source{m_network};
    QString m_keptLine;
};

TEST_F(UpdatePhases, PreparationKeepsOnlyAnImageThatMayBeFlashed)
{
    const std::string image = imageOf(2048);
    const QString failed = "Firmware download failed: ";
    // Each a failed download, its line starting so; a reason follows a line ending in ": ".
    const struct
    {
        CatalogueServer::Response response;
        std::string firmwareURL;
        QString line;
    } cases[] = {
        {{404, "Not here"}, {}, failed + "The server answered with HTTP status 404"},
        {{}, {}, failed + QStringLiteral("服务器没有返回固件数据")},
        {{.body = imageOf(4096), .dropAfterBodyBytes = 1500}, {}, failed},
        {{.body = image}, refusedUrl(imagePath), failed},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.line.toStdString() + " " + c.firmwareURL);
        QDir(folder()).removeRecursively();
        m_server.setResponse(imagePath, c.response);
        const auto end = prepare(
            updateTargetOf(itemAt(c.firmwareURL.empty() ? url(imagePath) : c.firmwareURL)), false);
        ASSERT_TRUE(std::holds_alternative<UpdateOutcome>(end));
        const UpdateOutcome &outcome = std::get<UpdateOutcome>(end);
        EXPECT_EQ(outcome.status, Status::downloadFailed);
        EXPECT_TRUE(outcome.line.startsWith(c.line)) << outcome.line.toStdString();
        if (c.line.endsWith(": ")) {
            EXPECT_GT(outcome.line.size(), c.line.size() + 5) << outcome.line.toStdString();
        }
        EXPECT_FALSE(saved());
    }

    // A file where the firmware folder should be: nothing claims the image was kept.
    QDir(folder()).removeRecursively();
    putFile(folder(), {});
    m_server.setBody(imagePath, image);
    const auto end = prepare(updateTargetOf(itemAt(url(imagePath))), false);
    ASSERT_TRUE(std::holds_alternative<UpdateOutcome>(end));
    EXPECT_TRUE(std::get<UpdateOutcome>(end).line.startsWith(failed));

    // Stopped while the image is on its way.
    m_server.setResponse(imagePath, {.body = image, .delay = 300ms});
    const auto stopped = prepare(updateTargetOf(itemAt(url(imagePath))), false, true);
    ASSERT_TRUE(std::holds_alternative<UpdateOutcome>(stopped));
    EXPECT_EQ(std::get<UpdateOutcome>(stopped).status, Status::stopped);
    EXPECT_EQ(std::get<UpdateOutcome>(stopped).line, UpdateMessages::updateStopped());

    // A target's own image is taken as it is, and kept nowhere.
    UpdateTarget own{"1A86:E0A1", "x.bin", UsbIds{0x1A86, 0xE0A1}, std::nullopt, "own image"};
    const auto given = prepare(own, true);
    ASSERT_TRUE(std::holds_alternative<QByteArray>(given));
    EXPECT_EQ(std::get<QByteArray>(given), "own image");
    EXPECT_TRUE(m_keptLine.isEmpty());
}

TEST_F(UpdatePhases, EveryTransferFailureEndsWithItsLineAndTheDeviceClosed)
{
    using Behaviour = SimulatedBootloaderDevice::Behaviour;
    const QString timedOut = "Update failed: Timed out waiting for bootloader response.";
    const QString help = QString::fromStdString(*openFailureHelp(BootloaderError::openFailed(13)));
    // The handshake request is report 1: the device leaves at the 10th image report.
    const struct
    {
        Behaviour behaviour;
        Status status;
        QString line;
        std::optional<QString> hint = std::nullopt;
    } cases[] = {
        {{}, Status::completed, "Update completed."},
        {behaviourWith(&Behaviour::answerBytes, {{5, 0x02}}), Status::transferFailed,
         "Update failed: Unexpected bootloader response: 5A C3 1E 7B 01 02 00 01."},
        {behaviourWith(&Behaviour::answers, false), Status::transferFailed, timedOut},
        {behaviourWith(&Behaviour::answerResult, int32_t(0xE00002C5)), Status::transferFailed,
         timedOut},
        {behaviourWith(&Behaviour::answerLength, 32), Status::transferFailed,
         "Update failed: Unexpected HID response length: 32."},
        {behaviourWith(&Behaviour::answerDelay, 3300ms), Status::transferFailed, timedOut},
        {behaviourWith(&Behaviour::openFailure, EACCES), Status::deviceFailed,
         "Update failed: Unable to open HID device. IOKit code: 13.", help},
        {behaviourWith(&Behaviour::vanishAfterReports, 10), Status::transferFailed,
         "Update failed: Unable to write HID report. IOKit code: -536870208.",
         UpdateMessages::leftTheBus()},
    };
    HIDBootloader bootloader(m_hid);
    DeviceTransfers transfers(bootloader);
    std::map<DeviceTransfers::Id, UpdateOutcome> ends;
    std::map<DeviceTransfers::Id, std::vector<int>> progress;
    QObject::connect(
        &transfers, &DeviceTransfers::finished,
        [&](DeviceTransfers::Id id, const UpdateOutcome &outcome) { ends[id] = outcome; });
    QObject::connect(&transfers, &DeviceTransfers::progressed,
                     [&](DeviceTransfers::Id id, int percent) { progress[id].push_back(percent); });
    // Every row at once, each device on its own thread of the one pool.
    const std::string image = imageOf(2000);
    std::vector<std::pair<DeviceTransfers::Id, std::shared_ptr<SimulatedBootloaderDevice>>> started;
    for (const auto &c : cases) {
        const auto device = attachDevice(c.behaviour);
        started.emplace_back(
            transfers.start(m_hid.deviceAt(device->path()), QByteArray::fromStdString(image)),
            device);
    }
    EXPECT_EQ(transfers.running(), std::size(cases));
    ASSERT_TRUE(QTest::qWaitFor([&] { return ends.size() == std::size(cases); }, 30'000));
    EXPECT_EQ(transfers.running(), 0u);
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const auto &[id, device] = started[i];
        SCOPED_TRACE(cases[i].line.toStdString());
        EXPECT_EQ(ends[id].status, cases[i].status);
        EXPECT_EQ(ends[id].line, cases[i].line);
        EXPECT_EQ(ends[id].hint, cases[i].hint);
        EXPECT_FALSE(device->isOpen());
    }
    const auto &[completedId, completed] = started.front();
    const std::vector<uint8_t> received = completed->receivedImage();
    EXPECT_EQ(std::string(received.begin(), received.end()), image + std::string(48, '\0'));
    // Each multiple of 5 that a report reaches, once: 32 reports land on these.
    EXPECT_EQ(progress[completedId], (std::vector<int>{0, 15, 25, 40, 50, 65, 75, 90, 100}));
    // The device that left after half its image got as far as its reports.
    EXPECT_EQ(progress[started.back().first].back(), 25);
}

namespace {

// A simulated device whose node is a file of the test's: what a hidraw node is to the lock.
class DeviceAtNode final : public HidDevice
{
public:
    DeviceAtNode(std::unique_ptr<HidDevice> device, std::string node)
        : m_device(std::move(device)), m_node(std::move(node))
    {
    }
    int32_t open() override { return m_device->open(); }
    int32_t writeOutputReport(std::span<const uint8_t> report) override
    {
        return m_device->writeOutputReport(report);
    }
    std::optional<HidInputReport> readInputReport(std::chrono::milliseconds timeout) override
    {
        return m_device->readInputReport(timeout);
    }
    void close() override { m_device->close(); }
    std::string path() const override { return m_node; }

private:
    std::unique_ptr<HidDevice> m_device;
    std::string m_node;
};

} // namespace

TEST_F(UpdatePhases, TwoWritersNeverShareADevice)
{
    const std::string node = inTemp("hidraw7").toStdString();
    QFile(QString::fromStdString(node)).open(QIODevice::WriteOnly);
    {
        const DeviceLock first = DeviceLock::take(node);
        EXPECT_EQ(first.state(), DeviceLock::State::held);
        EXPECT_EQ(DeviceLock::take(node).state(), DeviceLock::State::busy);
        EXPECT_EQ(DeviceLock::take(inTemp("none").toStdString()).state(),
                  DeviceLock::State::unsupported);

        // Another program holds it: not a report reaches the device.
        HIDBootloader bootloader(m_hid);
        DeviceTransfers transfers(bootloader);
        std::optional<UpdateOutcome> end;
        QObject::connect(&transfers, &DeviceTransfers::finished,
                         [&](DeviceTransfers::Id, const UpdateOutcome &outcome) { end = outcome; });
        const auto device = attachDevice();
        transfers.start(std::make_unique<DeviceAtNode>(m_hid.deviceAt(device->path()), node),
                        QByteArray(64, '\x01'));
        ASSERT_TRUE(QTest::qWaitFor([&] { return end.has_value(); }, 20'000));
        EXPECT_EQ(end->status, Status::deviceFailed);
        // Held here, so the holder named is this process.
        EXPECT_EQ(end->line, QStringLiteral("Update failed: The device at %1 is in use by another "
                                            "program (process %2); nothing was sent to it.")
                                 .arg(QString::fromStdString(node))
                                 .arg(::getpid()));
        EXPECT_EQ(device->opens(), 0u);
    }
    // Released with its holder, the lock is free again.
    EXPECT_EQ(DeviceLock::take(node).state(), DeviceLock::State::held);
}
