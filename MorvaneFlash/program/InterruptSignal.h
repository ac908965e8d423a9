#pragma once

#include <stop_token>

// Turns SIGINT (Ctrl-C), SIGTERM (kill, timeout, systemd, CI) and SIGHUP (a closed terminal)
// into a stop request. The handler only notes the signal and writes one byte to a pipe, which
// is async-signal-safe; a watcher thread reads it and requests the stop. A second signal while
// the first is being honoured ends the program at once, as usual; but after drainOnStop the
// second requests transferStopToken's stop and only a third ends the program.
class InterruptSignal
{
public:
    InterruptSignal();
    ~InterruptSignal();
    InterruptSignal(const InterruptSignal &) = delete;
    InterruptSignal &operator=(const InterruptSignal &) = delete;

    std::stop_token token() const { return m_stop.get_token(); }
    std::stop_token transferStopToken() const { return m_transferStop.get_token(); }
    // The first signal drains (a station lets its units in transfer finish), so the second
    // stops the transfers at a report boundary rather than ending the program.
    void drainOnStop();
    // 128 + the signal that asked for the stop, as shells report a program a signal ended;
    // 128 + SIGINT when none did.
    int stoppedStatus() const;

private:
    std::stop_source m_stop;
    std::stop_source m_transferStop;
};
