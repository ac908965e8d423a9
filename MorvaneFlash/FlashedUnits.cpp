#include "FlashedUnits.h"

void FlashedUnits::completed(const HidDeviceInfo &unit, Clock::time_point at)
{
    if (!unit.serialNumber.empty()) {
        m_serials.insert(unit.serialNumber);
    } else if (!unit.usbPort.empty()) {
        m_ports[unit.usbPort] = at;
    }
}

bool FlashedUnits::isReturning(const HidDeviceInfo &arrival, Clock::time_point at)
{
    if (!arrival.serialNumber.empty()) {
        return m_serials.contains(arrival.serialNumber);
    }
    const auto port = m_ports.find(arrival.usbPort);
    if (arrival.usbPort.empty() || port == m_ports.end()) {
        return false;
    }
    const bool settling = at - port->second <= m_settle;
    m_ports.erase(port);
    return settling;
}
