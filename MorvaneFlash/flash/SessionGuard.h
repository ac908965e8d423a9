#pragma once

#include <memory>

class Console;
class DeviceTransfers;
class TransferInhibitor;
struct Environment;

// Keeps the machine from sleeping or shutting down while the command writes devices, as the
// window does, and refuses a transfer on a low battery unless --ignore-battery says otherwise.
// Says once, on standard error, when nothing can keep the machine awake. Declared before the
// transfers it guards, so that it outlives them.
class SessionGuard
{
public:
    SessionGuard(const Environment &environment, bool ignoreBattery);
    ~SessionGuard();
    SessionGuard(const SessionGuard &) = delete;
    SessionGuard &operator=(const SessionGuard &) = delete;

    void guard(DeviceTransfers &transfers, Console &console);

private:
    std::unique_ptr<TransferInhibitor> m_inhibitor;
    const bool m_batteryChecked;
};
