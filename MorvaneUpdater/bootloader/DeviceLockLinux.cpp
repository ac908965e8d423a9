#include "bootloader/DeviceLock.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {

// flock tells only that the lock is taken, not by whom; the kernel's table of locks names the
// process by the locked file's device and inode. A holder in another pid namespace is not
// listed, and then nobody is named.
std::optional<int64_t> lockHolder(int fd)
{
    struct stat node
    {
    };
    if (::fstat(fd, &node) != 0) {
        return std::nullopt;
    }
    std::ifstream locks("/proc/locks");
    for (std::string line; std::getline(locks, line);) {
        // "1: FLOCK  ADVISORY  WRITE 4242 fe:00:10952718 0 EOF"; a waiter has "->" after
        // the number and holds nothing.
        std::istringstream fields(line);
        std::string number, type, mode, access, file;
        int64_t pid = 0;
        if (!(fields >> number >> type) || type != "FLOCK" ||
            !(fields >> mode >> access >> pid >> file)) {
            continue;
        }
        unsigned high = 0;
        unsigned low = 0;
        unsigned long long inode = 0;
        if (std::sscanf(file.c_str(), "%x:%x:%llu", &high, &low, &inode) == 3 &&
            high == major(node.st_dev) && low == minor(node.st_dev) && inode == node.st_ino &&
            pid > 0) {
            return pid;
        }
    }
    return std::nullopt;
}

} // namespace

DeviceLock DeviceLock::take(const std::string &path)
{
    // Read-only and non-blocking: the lock's descriptor never reads a report, and a node that
    // is not a device file cannot hold the call up.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        return {-1, State::unsupported};
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const bool busy = errno == EWOULDBLOCK;
        const std::optional<int64_t> holder = busy ? lockHolder(fd) : std::nullopt;
        ::close(fd);
        return {-1, busy ? State::busy : State::unsupported, holder};
    }
    return {fd, State::held};
}

DeviceLock::DeviceLock(DeviceLock &&other) noexcept
    : m_fd(other.m_fd), m_state(other.m_state), m_holder(other.m_holder)
{
    other.m_fd = -1;
}

DeviceLock::~DeviceLock()
{
    if (m_fd >= 0) {
        ::close(m_fd);
    }
}
