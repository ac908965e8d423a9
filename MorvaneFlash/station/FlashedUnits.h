#pragma once

#include "bootloader/HidBackend.h"

#include <chrono>
#include <map>
#include <string>

// Tells a unit that restarts after its update, and comes back with the same ids, from the
// next unit plugged in. A flashed unit claims its serial number, or its USB port when it has
// none, until it has come back once or the settle time has passed: after that the next device
// with that serial (cheap bootloaders share one) or at that port is a new unit. A device that
// tells neither is always taken for a new one.
class FlashedUnits
{
public:
    using Clock = std::chrono::steady_clock;

    explicit FlashedUnits(std::chrono::milliseconds settle) : m_settle(settle) {}

    void completed(const HidDeviceInfo &unit, Clock::time_point at);
    // Whether `arrival` is a unit already flashed coming back; its claim is used up.
    bool isReturning(const HidDeviceInfo &arrival, Clock::time_point at);

    // What a unit is known by: its serial number, else its USB port; empty for neither.
    static std::string identity(const HidDeviceInfo &unit);

private:
    const std::chrono::milliseconds m_settle;
    // When the update of each claiming unit ended, by identity.
    std::map<std::string, Clock::time_point> m_claims;
};
