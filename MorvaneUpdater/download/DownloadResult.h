#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// What a finished download delivered: the body, or the description of why there is none.
// An HTTP status outside 2xx is a failure, so an error page is never taken as content.
struct DownloadResult
{
    std::optional<QByteArray> body;
    QString errorDescription;
    // The HTTP status; 0 when no HTTP answer came.
    int httpStatus = 0;
    // The answer's Date header as the server sent it, for comparing clocks; empty when none came.
    QByteArray serverDate = {};

    bool succeeded() const { return body.has_value(); }
};
