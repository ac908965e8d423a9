#include "frame/Downloader.h"

#include "bundle/BundleSource.h"
#include "download/Fetch.h"
#include "download/WebSource.h"

#include <QNetworkAccessManager>

Downloader::Downloader(const QString &bundle, std::stop_token stop, Console &console)
    : m_stop(std::move(stop)), m_console(console)
{
    if (!bundle.isEmpty()) {
        m_source = std::make_unique<BundleSource>(bundle);
        return;
    }
    m_network = std::make_unique<QNetworkAccessManager>();
    m_source = std::make_unique<WebSource>(*m_network);
}

Downloader::~Downloader() = default;

Downloader::Answer Downloader::get(const QUrl &url, DownloadKind kind, const QByteArray &sha256)
{
    const std::unique_ptr<Fetch> fetch(m_source->fetch(url, kind, nullptr, sha256));
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
    m_console.printError(QStringLiteral("Stopped: the download of %1 was abandoned; %2.")
                             .arg(url.toDisplayString(), m_nothingDone));
}
