#include "InterruptSignal.h"

#include <atomic>
#include <csignal>
#include <thread>
#include <unistd.h>

namespace {

int pipeFds[2] = {-1, -1};
std::atomic<bool> interrupted{false};
std::jthread watcher;

extern "C" void onInterrupt(int)
{
    if (interrupted.exchange(true)) {
        // The user insists: leave without waiting for the report boundary.
        std::signal(SIGINT, SIG_DFL);
        std::raise(SIGINT);
        return;
    }
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = write(pipeFds[1], &byte, 1);
}

} // namespace

InterruptSignal::InterruptSignal()
{
    if (pipe(pipeFds) != 0) {
        return;
    }
    watcher = std::jthread([stop = m_stop]() mutable {
        char byte = 0;
        // Ends with the byte from the handler, or with end-of-file when the pipe closes.
        if (read(pipeFds[0], &byte, 1) == 1 && byte == 1) {
            stop.request_stop();
        }
    });
    struct sigaction action = {};
    action.sa_handler = onInterrupt;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
}

InterruptSignal::~InterruptSignal()
{
    std::signal(SIGINT, SIG_DFL);
    if (pipeFds[1] >= 0) {
        const char byte = 0;
        [[maybe_unused]] const ssize_t written = write(pipeFds[1], &byte, 1);
        watcher.join();
        close(pipeFds[0]);
        close(pipeFds[1]);
    }
}
