#include "frame/StopPoll.h"

StopPoll::StopPoll(std::stop_token stop, std::function<void()> onStop)
{
    QObject::connect(&m_timer, &QTimer::timeout, &m_timer,
                     [this, stop = std::move(stop), onStop = std::move(onStop)] {
                         if (stop.stop_requested() && !m_seen) {
                             m_seen = true;
                             m_timer.stop();
                             onStop();
                         }
                     });
    m_timer.start(intervalMs);
}
