#pragma once

#include "update/UpdateOutcome.h"

#include <QByteArray>
#include <QObject>
#include <QThreadPool>
#include <map>
#include <memory>
#include <stop_token>

class BootloaderError;
class FirmwareProtocol;
class HidDevice;

// How a transfer that met this error ended, as both programs report it.
UpdateOutcome transferOutcomeOf(const BootloaderError &error);

// The second phase of an update: writing a prepared image into exactly the devices it is
// given, each transfer on a thread of one shared pool, as many at once as are started.
// Progress is reported as each changed multiple of 5 per cent and the end as one outcome per
// transfer, on the thread this object lives on.
class DeviceTransfers final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DeviceTransfers)

public:
    using Id = quint64;

    explicit DeviceTransfers(FirmwareProtocol &protocol, QObject *parent = nullptr);
    // Stops every transfer at its next report boundary and waits for its device to close.
    ~DeviceTransfers() override;

    Id start(std::unique_ptr<HidDevice> device, const QByteArray &image);
    // Asks the transfer to stop at its next report boundary and returns at once; it ends as
    // usual, with the status `stopped`.
    void stop(Id id);
    void stopAll();
    // Transfers started and not yet reported as finished.
    std::size_t running() const { return m_stops.size(); }
    // Returns once no transfer runs on the pool any more (each has closed its device); the
    // ends are still delivered through the event loop.
    void waitForDone();

signals:
    void progressed(DeviceTransfers::Id id, int percent);
    void finished(DeviceTransfers::Id id, const UpdateOutcome &outcome);

private:
    UpdateOutcome run(Id id, HidDevice &device, const QByteArray &image, std::stop_token stop);

    FirmwareProtocol &m_protocol;
    Id m_nextId = 1;
    std::map<Id, std::stop_source> m_stops;
    // Last, so that it is destroyed first: a running transfer reports back here.
    QThreadPool m_pool;
};
