#include "bootloader/DeviceLock.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

DeviceLock DeviceLock::take(const std::string &path)
{
    // Read-only and non-blocking: the lock's descriptor never reads a report, and a node that
    // is not a device file cannot hold the call up.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        return {-1, State::unsupported};
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const State state = errno == EWOULDBLOCK ? State::busy : State::unsupported;
        ::close(fd);
        return {-1, state};
    }
    return {fd, State::held};
}

DeviceLock::DeviceLock(DeviceLock &&other) noexcept : m_fd(other.m_fd), m_state(other.m_state)
{
    other.m_fd = -1;
}

DeviceLock::~DeviceLock()
{
    if (m_fd >= 0) {
        ::close(m_fd);
    }
}
