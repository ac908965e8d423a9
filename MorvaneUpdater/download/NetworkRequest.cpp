#include "download/NetworkRequest.h"

#include <QNetworkReply>

namespace {
constexpr int downloadTimeoutMs = 60'000;
}

QNetworkRequest makeDownloadRequest(const QUrl &url)
{
    QNetworkRequest request(url);
    request.setTransferTimeout(downloadTimeoutMs);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                         QNetworkRequest::AlwaysNetwork);
    request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
    request.setRawHeader("Cache-Control", "no-cache");
    request.setRawHeader("Pragma", "no-cache");
    return request;
}

DownloadResult takeDownloadResult(QNetworkReply &reply)
{
    const QVariant status = reply.attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (status.isValid()) {
        const int code = status.toInt();
        if (code < 200 || code > 299) {
            const QString reason =
                reply.attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString();
            QString description =
                QStringLiteral("The server answered with HTTP status %1").arg(code);
            if (!reason.isEmpty()) {
                description += QStringLiteral(" (%1)").arg(reason);
            }
            return {std::nullopt, description + QLatin1Char('.')};
        }
    }
    if (reply.error() != QNetworkReply::NoError) {
        return {std::nullopt, reply.errorString()};
    }
    return {reply.readAll(), QString()};
}
