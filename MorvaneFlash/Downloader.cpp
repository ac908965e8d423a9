#include "Downloader.h"

#include "download/Fetch.h"

#include <memory>

Downloader::Downloader(std::stop_token stop, Console &console)
    : m_stop(std::move(stop)), m_console(console)
{
}

Downloader::Answer Downloader::get(const QUrl &url, DownloadKind kind)
{
    const std::unique_ptr<Fetch> fetch(m_source.fetch(url, kind, nullptr));
    Answer answer;
    answer.stopped = waitUntil(
                         fetch.get(), &Fetch::finished, [&fetch] { return fetch->isFinished(); },
                         [&fetch] { fetch->abort(QStringLiteral("Stopped.")); }) ||
                     m_stop.stop_requested();
    answer.result = fetch->result();
    answer.status = answer.result.httpStatus;
    if (answer.stopped) {
        sayAbandoned(url);
    }
    return answer;
}

void Downloader::sayAbandoned(const QUrl &url)
{
    m_console.printError(QStringLiteral("Stopped: the download of %1 was abandoned; nothing "
                                        "was flashed.")
                             .arg(url.toDisplayString()));
}
