#pragma once

#include "bootloader/HidBackend.h"

#include <chrono>
#include <map>
#include <set>
#include <string>

// Tells a unit that restarts after its update, and comes back with the same ids, from the
// next unit plugged in. A serial number names a unit for the whole run. A unit without one is
// known by its USB port, but only if it comes back within the settle time after its update
// ended; after that, or once it has come back, the port's next device is a new unit. A
// device that tells neither is always taken for a new one.
class FlashedUnits
{
public:
    using Clock = std::chrono::steady_clock;

    explicit FlashedUnits(std::chrono::milliseconds settle) : m_settle(settle) {}

    void completed(const HidDeviceInfo &unit, Clock::time_point at);
    // Whether `arrival` is a unit already flashed coming back; a port's claim is used up.
    bool isReturning(const HidDeviceInfo &arrival, Clock::time_point at);

private:
    const std::chrono::milliseconds m_settle;
    std::set<std::string> m_serials;
    // When the update of the unit at each port ended.
    std::map<std::string, Clock::time_point> m_ports;
};
