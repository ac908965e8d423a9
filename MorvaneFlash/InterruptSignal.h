#pragma once

#include <stop_token>

// Turns SIGINT (Ctrl-C) into a stop request. The handler only writes one byte to a pipe,
// which is async-signal-safe; a watcher thread reads it and requests the stop. A second
// Ctrl-C while the first is being honoured ends the program at once, as usual.
class InterruptSignal
{
public:
    InterruptSignal();
    ~InterruptSignal();
    InterruptSignal(const InterruptSignal &) = delete;
    InterruptSignal &operator=(const InterruptSignal &) = delete;

    std::stop_token token() const { return m_stop.get_token(); }

private:
    std::stop_source m_stop;
};
