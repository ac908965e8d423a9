#pragma once

#include <QByteArray>
#include <QNetworkRequest>
#include <QString>
#include <QUrl>
#include <optional>

class QNetworkReply;

// Every download the updater makes: GET, 60 s time-out, no cache, "Cache-Control" then
// "Pragma" set to "no-cache".
QNetworkRequest makeDownloadRequest(const QUrl &url);

// What a finished reply delivered: the body, or the description of why there is none.
// An HTTP status outside 2xx is a failure, so an error page is never taken as content.
struct DownloadResult
{
    std::optional<QByteArray> body;
    QString errorDescription;

    bool succeeded() const { return body.has_value(); }
};

DownloadResult takeDownloadResult(QNetworkReply &reply);
