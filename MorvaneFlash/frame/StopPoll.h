#pragma once

#include <QTimer>
#include <functional>
#include <stop_token>

// A signal handler cannot touch Qt, so a stop request (Ctrl-C, SIGTERM, SIGHUP) is looked
// for from the event loop, every 50 ms, and `onStop` is called once when it is seen.
class StopPoll
{
public:
    static constexpr int intervalMs = 50;

    StopPoll(std::stop_token stop, std::function<void()> onStop);
    StopPoll(const StopPoll &) = delete;
    StopPoll &operator=(const StopPoll &) = delete;

    bool seen() const { return m_seen; }

private:
    QTimer m_timer;
    bool m_seen = false;
};
