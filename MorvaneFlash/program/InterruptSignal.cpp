#include "program/InterruptSignal.h"

#include <atomic>
#include <csignal>
#include <thread>
#include <unistd.h>

namespace {

constexpr int stoppingSignals[] = {SIGINT, SIGTERM, SIGHUP};

// What the watcher thread reads from the pipe: the end, a stop, a stop of the transfers.
constexpr char endByte = 0;
constexpr char stopByte = 1;
constexpr char transferStopByte = 2;

int pipeFds[2] = {-1, -1};
std::atomic<int> stoppingSignal{0};
std::atomic<int> signalsSeen{0};
std::atomic<bool> draining{false};
std::jthread watcher;

extern "C" void onStopSignal(int signal)
{
    const int seen = ++signalsSeen;
    int none = 0;
    char byte = stopByte;
    if (!stoppingSignal.compare_exchange_strong(none, signal)) {
        if (seen > 2 || !draining.load()) {
            // The user insists: leave without waiting for the report boundary.
            std::signal(signal, SIG_DFL);
            std::raise(signal);
            return;
        }
        byte = transferStopByte;
    }
    [[maybe_unused]] const ssize_t written = write(pipeFds[1], &byte, 1);
}

} // namespace

InterruptSignal::InterruptSignal()
{
    static_assert(std::atomic<int>::is_always_lock_free);
    static_assert(std::atomic<bool>::is_always_lock_free);
    if (pipe(pipeFds) != 0) {
        return;
    }
    watcher = std::jthread([stop = m_stop, transferStop = m_transferStop]() mutable {
        char byte = endByte;
        // Ends with the end byte, or with end-of-file when the pipe closes.
        while (read(pipeFds[0], &byte, 1) == 1 && byte != endByte) {
            (byte == stopByte ? stop : transferStop).request_stop();
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
        const char byte = endByte;
        [[maybe_unused]] const ssize_t written = write(pipeFds[1], &byte, 1);
        watcher.join();
        close(pipeFds[0]);
        close(pipeFds[1]);
    }
}

void InterruptSignal::drainOnStop()
{
    draining.store(true);
}

int InterruptSignal::stoppedStatus() const
{
    const int signal = stoppingSignal.load();
    return 128 + (signal != 0 ? signal : SIGINT);
}
