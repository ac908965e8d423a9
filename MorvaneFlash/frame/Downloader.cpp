#include "frame/Downloader.h"

#include "bundle/BundleSource.h"
#include "download/Fetch.h"
#include "download/WebSource.h"

#include <QCoreApplication>
#include <QNetworkAccessManager>

namespace {

struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(Downloader)
};

} // namespace

Downloader::Downloader(const QString &bundle, std::stop_token stop, Console &console)
    : m_stop(std::move(stop)), m_console(console), m_nothingDone(Texts::tr("nothing was flashed"))
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
                         [&fetch] { fetch->abort(Texts::tr("Stopped.")); }) ||
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
    m_console.printError(Texts::tr("Stopped: the download of %1 was abandoned; %2.")
                             .arg(url.toDisplayString(), m_nothingDone));
}
