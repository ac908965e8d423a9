#include "download/Fetch.h"

#include <QPointer>

void Fetch::finish(DownloadResult result)
{
    if (m_result) {
        return;
    }
    m_result = std::move(result);
    emit finished();
}

void whenFetched(Fetch *fetch, QObject *context,
                 std::function<void(const DownloadResult &result)> done)
{
    if (fetch->isFinished()) {
        const QPointer<Fetch> guard(fetch);
        done(fetch->result());
        // `done` may have deleted the context, and with it a fetch it owned.
        if (guard) {
            fetch->deleteLater();
        }
        return;
    }
    QObject::connect(fetch, &Fetch::finished, context, [fetch, done = std::move(done)] {
        fetch->deleteLater();
        done(fetch->result());
    });
}
