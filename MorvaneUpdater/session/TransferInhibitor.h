#pragma once

#include <QString>
#include <memory>
#include <optional>

// Held for as long as a device is being written; releasing it lets the machine sleep again.
// A lock the system hands out as a file descriptor is released by a crash too.
class InhibitorLock
{
public:
    virtual ~InhibitorLock() = default;
};

// What keeps the machine from sleeping, shutting down or idling away in the middle of a
// transfer, and tells whether it runs on a battery too low to finish one. Safe to call from
// any thread, one transfer's thread each.
class TransferInhibitor
{
public:
    virtual ~TransferInhibitor() = default;

    // Nothing when no lock can be taken here (no system bus, no login manager).
    virtual std::unique_ptr<InhibitorLock> inhibit(const QString &why) = 0;
    // The charge in per cent while the machine runs on its battery; nothing on mains power or
    // when nobody says.
    virtual std::optional<double> chargeOnBattery() = 0;
};

// The platform's own: logind and UPower on the system bus on Linux; none elsewhere yet.
std::unique_ptr<TransferInhibitor> openTransferInhibitor();
