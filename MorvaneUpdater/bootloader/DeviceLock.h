#pragma once

#include <string>

// One writer per device across programs: the window, morvane-flash and a second bench never
// interleave their reports into one device. Advisory, on the device's node, so that it holds
// between users who may open the device and ends with the process that took it.
class DeviceLock
{
public:
    enum class State
    {
        held,
        // Another writer holds it: nothing may be sent.
        busy,
        // The platform or the path has no lock to take; the transfer goes on without one.
        unsupported,
    };

    // Takes the lock of the device at `path` without waiting.
    static DeviceLock take(const std::string &path);

    DeviceLock(DeviceLock &&other) noexcept;
    DeviceLock &operator=(DeviceLock &&) = delete;
    DeviceLock(const DeviceLock &) = delete;
    DeviceLock &operator=(const DeviceLock &) = delete;
    ~DeviceLock();

    State state() const { return m_state; }

private:
    DeviceLock(int fd, State state) : m_fd(fd), m_state(state) {}

    int m_fd = -1;
    State m_state = State::unsupported;
};
