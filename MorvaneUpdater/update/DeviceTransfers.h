#pragma once

#include "update/UpdateOutcome.h"

#include <QByteArray>
#include <QObject>
#include <QThreadPool>
#include <atomic>
#include <map>
#include <memory>
#include <optional>
#include <stop_token>

class BootloaderError;
class FirmwareProtocol;
class HidDevice;
class TransferInhibitor;

// How a transfer that met this error ended, as both programs report it.
UpdateOutcome transferOutcomeOf(const BootloaderError &error);

// Below this charge, on battery, a transfer is not started: it may not live to its end.
inline constexpr double lowBatteryPercent = 10;

// Why a transfer is not started at this charge; nothing when it may be.
std::optional<UpdateOutcome> lowBatteryRefusal(std::optional<double> chargeOnBattery);

// The second phase of an update: writing a prepared image into exactly the devices it is
// given, each transfer on a thread of one shared pool, as many at once as are started.
// Progress is reported as each changed multiple of 5 per cent and the end as one outcome per
// transfer, on the thread this object lives on. With an inhibitor, each transfer holds a lock
// against sleep and shutdown from before its first report to after its last, and none starts
// on a battery below lowBatteryPercent.
class DeviceTransfers final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DeviceTransfers)

public:
    using Id = quint64;

    explicit DeviceTransfers(FirmwareProtocol &protocol, QObject *parent = nullptr);
    // Stops every transfer at its next report boundary and waits for its device to close.
    ~DeviceTransfers() override;

    // `inhibitor` outlives this object; null, nothing is inhibited or refused. Set before the
    // first transfer starts.
    void useInhibitor(TransferInhibitor *inhibitor, bool batteryChecked = true);

    // `what` names the image and the device in the lock's reason ("MORVANE X1 V2").
    Id start(std::unique_ptr<HidDevice> device, const QByteArray &image, const QString &what = {});
    // Asks every transfer to stop at its next report boundary and returns at once; each ends
    // as usual, with the status `stopped`.
    void stopAll();
    // Transfers started and not yet reported as finished.
    std::size_t running() const { return m_stops.size(); }
    // Returns once no transfer runs on the pool any more (each has closed its device); the
    // ends are still delivered through the event loop.
    void waitForDone();

signals:
    // Once, when the first lock could not be taken: the transfers go on without one.
    void inhibitorUnavailable();
    void progressed(DeviceTransfers::Id id, int percent);
    void finished(DeviceTransfers::Id id, const UpdateOutcome &outcome);

private:
    UpdateOutcome run(Id id, HidDevice &device, const QByteArray &image, const QString &why,
                      std::stop_token stop);

    FirmwareProtocol &m_protocol;
    TransferInhibitor *m_inhibitor = nullptr;
    bool m_batteryChecked = true;
    std::atomic<bool> m_unavailableSaid = false;
    Id m_nextId = 1;
    std::map<Id, std::stop_source> m_stops;
    // Last, so that it is destroyed first: a running transfer reports back here.
    QThreadPool m_pool;
};
