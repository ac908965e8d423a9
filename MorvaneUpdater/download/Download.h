#pragma once

#include "download/DownloadLimits.h"
#include "download/DownloadResult.h"
#include "download/Fetch.h"

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QUrl>
#include <optional>

class QNetworkAccessManager;
class QNetworkReply;

// One download as the updater makes every download: GET, no cache, "Cache-Control" then
// "Pragma" set to "no-cache"; only 2xx answers deliver a body. It holds at most the limit of
// its kind in memory, refusing a larger announced length before reading and stopping as
// soon as more arrives, and ends at its deadline, when nothing arrives for the stall time, or
// when the answer's header section has not ended in its time.
// Redirects are followed only where they stay on the web and never go from https to http.
// The address must already be a web address (webAddressProblem).
class Download final : public Fetch
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Download)

public:
    Download(QNetworkAccessManager &network, const QUrl &url, DownloadLimits limits,
             QObject *parent = nullptr);
    ~Download() override;

    // Abandons the download; it finishes, through the event loop, with `reason`.
    void abort(const QString &reason) override;

private:
    void checkAnswer();
    void takeArrivedBytes();
    void fail(const QString &reason);
    void end();

    const DownloadLimits m_limits;
    // The address the answer came from: the request's, or the last redirect followed.
    QUrl m_lastAddress;
    QPointer<QNetworkReply> m_reply;
    QByteArray m_body;
    std::optional<QString> m_failure;
    QTimer m_deadline;
    QTimer m_stall;
    QTimer m_headers;
};
