#include "trust/SignatureDates.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>

namespace {

std::optional<qint64> secondsOf(QByteArrayView digits)
{
    if (digits.isEmpty() || digits.size() > 18) {
        return std::nullopt;
    }
    qint64 value = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
    }
    return value;
}

} // namespace

SignatureDates parseSignatureDates(QByteArrayView trustedComment)
{
    constexpr QByteArrayView timestampKey = "timestamp:";
    constexpr QByteArrayView expiresKey = "expires:";
    SignatureDates dates;
    qsizetype start = 0;
    while (start < trustedComment.size()) {
        qsizetype end = start;
        while (end < trustedComment.size() && trustedComment[end] != ' ' &&
               trustedComment[end] != '\t') {
            ++end;
        }
        const QByteArrayView token = trustedComment.sliced(start, end - start);
        if (token.startsWith(timestampKey) && !dates.timestamp) {
            dates.timestamp = secondsOf(token.sliced(timestampKey.size()));
        } else if (token.startsWith(expiresKey) && !dates.expires) {
            dates.expires = secondsOf(token.sliced(expiresKey.size()));
        }
        start = end + 1;
    }
    return dates;
}

std::optional<QString> signatureDatesProblem(const SignatureDates &dates,
                                             std::optional<qint64> newestAccepted, qint64 now)
{
    if (!dates.timestamp) {
        return QStringLiteral("The catalogue signature carries no timestamp, so the list's age "
                              "cannot be checked.");
    }
    if (newestAccepted && *dates.timestamp < *newestAccepted) {
        return QStringLiteral("The catalogue was signed %1, before the list already accepted "
                              "(signed %2); an older list is refused.")
            .arg(signatureDateText(*dates.timestamp), signatureDateText(*newestAccepted));
    }
    if (dates.expires && *dates.expires <= now) {
        return QStringLiteral("The catalogue expired %1 (signed %2).")
            .arg(signatureDateText(*dates.expires), signatureDateText(*dates.timestamp));
    }
    return std::nullopt;
}

QString signatureDateText(qint64 seconds)
{
    return QDateTime::fromSecsSinceEpoch(seconds, Qt::UTC)
        .toString(QStringLiteral("yyyy-MM-dd HH:mm:ss 'UTC'"));
}
