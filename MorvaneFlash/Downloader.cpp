#include "Downloader.h"

#include "download/Download.h"
#include "download/WebAddress.h"

#include <QEventLoop>
#include <QTimer>

namespace {
constexpr int stopPollMs = 50;
}

Downloader::Downloader(std::stop_token stop, Console &console)
    : m_stop(std::move(stop)), m_console(console)
{
}

Downloader::Answer Downloader::get(const QUrl &url, DownloadKind kind)
{
    if (const std::optional<QString> problem = webAddressProblem(url)) {
        Answer refused;
        refused.result.errorDescription = *problem;
        return refused;
    }
    Download download(m_network, url, downloadLimits(kind));
    QEventLoop loop;
    QObject::connect(&download, &Download::finished, &loop, &QEventLoop::quit);
    // A signal handler cannot touch Qt, so the stop request is looked at from here.
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [this, &download] {
        if (m_stop.stop_requested()) {
            download.abort(QStringLiteral("Stopped."));
        }
    });
    poll.start(stopPollMs);
    if (!download.isFinished()) {
        loop.exec();
    }
    Answer answer;
    answer.result = download.result();
    answer.status = answer.result.httpStatus;
    answer.stopped = m_stop.stop_requested();
    if (answer.stopped) {
        m_console.printError(QStringLiteral("Stopped: the download of %1 was abandoned; nothing "
                                            "was flashed.")
                                 .arg(url.toDisplayString()));
    }
    return answer;
}
