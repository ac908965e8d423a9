#include "program/InterruptSignal.h"

#include <atomic>
#include <csignal>
#include <thread>
#include <unistd.h>

namespace {

constexpr int stoppingSignals[] = {SIGINT, SIGTERM, SIGHUP};

int pipeFds[2] = {-1, -1};
std::atomic<int> stoppingSignal{0};
std::jthread watcher;

extern "C" void onStopSignal(int signal)
{
    int none = 0;
    if (!stoppingSignal.compare_exchange_strong(none, signal)) {
        // The user insists: leave without waiting for the report boundary.
        std::signal(signal, SIG_DFL);
        std::raise(signal);
        return;
    }
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = write(pipeFds[1], &byte, 1);
}

} // namespace

InterruptSignal::InterruptSignal()
{
    static_assert(std::atomic<int>::is_always_lock_free);
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
    action.sa_handler = onStopSignal;
    sigemptyset(&action.sa_mask);
    for (const int signal : stoppingSignals) {
        sigaction(signal, &action, nullptr);
    }
}

InterruptSignal::~InterruptSignal()
{
    for (const int signal : stoppingSignals) {
        std::signal(signal, SIG_DFL);
    }
    if (pipeFds[1] >= 0) {
        const char byte = 0;
        [[maybe_unused]] const ssize_t written = write(pipeFds[1], &byte, 1);
        watcher.join();
        close(pipeFds[0]);
        close(pipeFds[1]);
    }
}

int InterruptSignal::stoppedStatus() const
{
    const int signal = stoppingSignal.load();
    return 128 + (signal != 0 ? signal : SIGINT);
}
