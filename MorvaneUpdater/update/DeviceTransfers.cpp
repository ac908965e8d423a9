#include "update/DeviceTransfers.h"

#include "bootloader/BootloaderError.h"
#include "bootloader/DeviceLock.h"
#include "bootloader/FirmwareProtocol.h"
#include "bootloader/OpenFailureHelp.h"
#include "bootloader/TransferStopped.h"
#include "session/TransferInhibitor.h"
#include "update/ProgressFilter.h"
#include "update/UpdateMessages.h"

#include <QPointer>
#include <climits>

using Status = UpdateOutcome::Status;

UpdateOutcome transferOutcomeOf(const BootloaderError &error)
{
    UpdateOutcome outcome{
        Status::transferFailed,
        UpdateMessages::updateFailed(QString::fromStdString(error.errorDescription()))};
    if (const std::optional<std::string> help = openFailureHelp(error)) {
        outcome.hint = QString::fromStdString(*help);
    } else if (leftTheBus(error)) {
        outcome.hint = UpdateMessages::leftTheBus();
    }
    switch (error.kind()) {
    case BootloaderError::Kind::openFailed:
    case BootloaderError::Kind::deviceNotFound:
    case BootloaderError::Kind::invalidUSBIdentifier:
        outcome.status = Status::deviceFailed;
        break;
    default:
        break;
    }
    return outcome;
}

std::optional<UpdateOutcome> lowBatteryRefusal(std::optional<double> chargeOnBattery)
{
    if (!chargeOnBattery || *chargeOnBattery >= lowBatteryPercent) {
        return std::nullopt;
    }
    return UpdateOutcome{
        Status::deviceFailed,
        UpdateMessages::updateFailed(
            DeviceTransfers::tr("The battery is at %1%, below %2%: connect the power "
                                "supply, then update. Nothing was written.")
                .arg(qRound(*chargeOnBattery))
                .arg(lowBatteryPercent))};
}

DeviceTransfers::DeviceTransfers(FirmwareProtocol &protocol, QObject *parent)
    : QObject(parent), m_protocol(protocol)
{
    // A bench flashes every unit plugged in at once; each transfer sleeps between its reports.
    m_pool.setMaxThreadCount(INT_MAX);
}

DeviceTransfers::~DeviceTransfers()
{
    blockSignals(true);
    stopAll();
    m_pool.waitForDone();
}

void DeviceTransfers::useInhibitor(TransferInhibitor *inhibitor, bool batteryChecked)
{
    m_inhibitor = inhibitor;
    m_batteryChecked = batteryChecked;
}

DeviceTransfers::Id DeviceTransfers::start(std::unique_ptr<HidDevice> device,
                                           const QByteArray &image, const QString &what)
{
    const Id id = m_nextId++;
    std::stop_source &stop = m_stops[id];
    const std::string path = device->path();
    const QString why =
        tr("Writing firmware %1 into the device at %2; an interrupted update "
           "can leave it unusable.")
            .arg(what.isEmpty() ? tr("(an image)") : what, QString::fromStdString(path));
    m_pool.start([this, id, device = std::shared_ptr<HidDevice>(std::move(device)), image, why,
                  token = stop.get_token()] {
        const UpdateOutcome outcome = run(id, *device, image, why, token);
        QMetaObject::invokeMethod(
            this,
            [this, id, outcome] {
                m_stops.erase(id);
                emit finished(id, outcome);
            },
            Qt::QueuedConnection);
    });
    return id;
}

void DeviceTransfers::stopAll()
{
    for (auto &[id, stop] : m_stops) {
        stop.request_stop();
    }
}

void DeviceTransfers::waitForDone()
{
    m_pool.waitForDone();
}

UpdateOutcome DeviceTransfers::run(Id id, HidDevice &device, const QByteArray &image,
                                   const QString &why, std::stop_token stop)
{
    // Held until the device is closed again, like the inhibitor's lock.
    const DeviceLock deviceLock = DeviceLock::take(device.path());
    if (deviceLock.state() == DeviceLock::State::busy) {
        return {Status::deviceFailed,
                UpdateMessages::deviceInUse(QString::fromStdString(device.path()),
                                            deviceLock.holder())};
    }
    std::unique_ptr<InhibitorLock> lock;
    if (m_inhibitor) {
        if (m_batteryChecked) {
            if (std::optional<UpdateOutcome> refusal =
                    lowBatteryRefusal(m_inhibitor->chargeOnBattery())) {
                return *refusal;
            }
        }
        // Taken before the device is opened and held until it is closed again.
        lock = m_inhibitor->inhibit(why);
        if (!lock && !m_unavailableSaid.exchange(true)) {
            QMetaObject::invokeMethod(
                this, [this] { emit inhibitorUnavailable(); }, Qt::QueuedConnection);
        }
    }
    // Thinned out here, on the transfer's thread: repeats and values between the multiples
    // of 5 cost the receiving thread nothing.
    ProgressFilter filter;
    const auto progress = [this, id, &filter](int percent) {
        if (const std::optional<int> shown = filter.accept(percent)) {
            QMetaObject::invokeMethod(
                this, [this, id, value = *shown] { emit progressed(id, value); },
                Qt::QueuedConnection);
        }
    };
    const std::span<const uint8_t> bytes(reinterpret_cast<const uint8_t *>(image.constData()),
                                         std::size_t(image.size()));
    TransferReach reach;
    UpdateOutcome outcome;
    try {
        m_protocol.flashDevice(device, bytes, progress, std::move(stop), reach);
        outcome = {Status::completed, UpdateMessages::updateCompleted()};
    } catch (const BootloaderError &error) {
        outcome = transferOutcomeOf(error);
    } catch (const TransferStopped &) {
        outcome = {Status::stopped, UpdateMessages::updateStopped()};
    } catch (const std::exception &error) {
        outcome = {Status::transferFailed,
                   UpdateMessages::updateFailed(QString::fromUtf8(error.what()))};
    }
    outcome.reach = reach;
    return outcome;
}
