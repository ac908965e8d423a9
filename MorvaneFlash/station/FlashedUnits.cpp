#include "station/FlashedUnits.h"

std::string FlashedUnits::identity(const HidDeviceInfo &unit)
{
    if (!unit.serialNumber.empty()) {
        return "serial " + unit.serialNumber;
    }
    return unit.usbPort.empty() ? std::string() : "port " + unit.usbPort;
}

void FlashedUnits::completed(const HidDeviceInfo &unit, Clock::time_point at)
{
    if (const std::string known = identity(unit); !known.empty()) {
        m_claims[known] = at;
    }
}

bool FlashedUnits::isReturning(const HidDeviceInfo &arrival, Clock::time_point at)
{
    const auto claim = m_claims.find(identity(arrival));
    if (claim == m_claims.end() || claim->first.empty()) {
        return false;
    }
    const bool settling = at - claim->second <= m_settle;
    m_claims.erase(claim);
    return settling;
}
