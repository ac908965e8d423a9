#include "bootloader/DeviceLock.h"

// Elsewhere a device's path names no file to lock (an IOService path on macOS).
DeviceLock DeviceLock::take(const std::string &)
{
    return {-1, State::unsupported};
}

DeviceLock::DeviceLock(DeviceLock &&other) noexcept
    : m_fd(other.m_fd), m_state(other.m_state), m_holder(other.m_holder)
{
    other.m_fd = -1;
}

DeviceLock::~DeviceLock() = default;
