#include "bootloader/NoticePipe.h"

#include <fcntl.h>
#include <unistd.h>

NoticePipe::NoticePipe()
{
    int ends[2];
    if (pipe(ends) != 0) {
        return;
    }
    // Non-blocking both ways: a full pipe already holds a notice, and draining stops when
    // it is empty.
    for (const int end : ends) {
        fcntl(end, F_SETFL, fcntl(end, F_GETFL) | O_NONBLOCK);
        fcntl(end, F_SETFD, FD_CLOEXEC);
    }
    m_read = ends[0];
    m_write = ends[1];
}

NoticePipe::~NoticePipe()
{
    if (m_read >= 0) {
        ::close(m_read);
        ::close(m_write);
    }
}

void NoticePipe::notify()
{
    if (m_write >= 0) {
        const char notice = 1;
        [[maybe_unused]] const ssize_t written = ::write(m_write, &notice, 1);
    }
}

void NoticePipe::drain()
{
    if (m_read < 0) {
        return;
    }
    char buffer[64];
    while (::read(m_read, buffer, sizeof buffer) > 0) {
    }
}
