#pragma once

#include <cstdint>
#include <optional>
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
    // When busy: the process that holds the lock, where the system tells it.
    std::optional<int64_t> holder() const { return m_holder; }

private:
    DeviceLock(int fd, State state, std::optional<int64_t> holder = std::nullopt)
        : m_fd(fd), m_state(state), m_holder(holder)
    {
    }

    int m_fd = -1;
    State m_state = State::unsupported;
    std::optional<int64_t> m_holder;
};
