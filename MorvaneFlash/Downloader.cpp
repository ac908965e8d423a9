#include "Downloader.h"

#include "download/WebAddress.h"

#include <QEventLoop>
#include <QNetworkReply>
#include <QTimer>
#include <memory>

namespace {
constexpr int stopPollMs = 50;
}

Downloader::Downloader(std::stop_token stop, Console &console)
    : m_stop(std::move(stop)), m_console(console)
{
}

Downloader::Answer Downloader::get(const QUrl &url)
{
    if (const std::optional<QString> problem = webAddressProblem(url)) {
        Answer refused;
        refused.result.errorDescription = *problem;
        return refused;
    }
    const std::unique_ptr<QNetworkReply> reply(m_network.get(makeDownloadRequest(url)));
    QEventLoop loop;
    QObject::connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);
    // A signal handler cannot touch Qt, so the stop request is looked at from here.
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [this, &reply] {
        if (m_stop.stop_requested()) {
            reply->abort();
        }
    });
    poll.start(stopPollMs);
    if (!reply->isFinished()) {
        loop.exec();
    }
    Answer answer;
    answer.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    answer.result = takeDownloadResult(*reply);
    answer.stopped = m_stop.stop_requested();
    if (answer.stopped) {
        m_console.printError(QStringLiteral("Stopped: the download of %1 was abandoned; nothing "
                                            "was flashed.")
                                 .arg(url.toDisplayString()));
    }
    return answer;
}
