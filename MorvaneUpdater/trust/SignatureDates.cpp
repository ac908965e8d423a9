#include "trust/SignatureDates.h"

#include <QByteArray>
#include <QDateTime>

namespace {

// 9999-12-31 23:59:59 UTC: a later time is a mistake (milliseconds, say), never a date.
constexpr qint64 latestSeconds = 253'402'300'799;
constexpr qsizetype shownTokenLength = 40;
constexpr QByteArrayView timestampKey = "timestamp:";
constexpr QByteArrayView expiresKey = "expires:";

std::optional<qint64> secondsOf(QByteArrayView digits)
{
    // Twelve digits hold every second up to latestSeconds; more cannot be in range, and
    // stopping here keeps the sum from overflowing.
    if (digits.isEmpty() || digits.size() > 12) {
        return std::nullopt;
    }
    qint64 value = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
    }
    if (value > latestSeconds) {
        return std::nullopt;
    }
    return value;
}

QString shownToken(QByteArrayView token)
{
    const QString text = QString::fromUtf8(token.first(qMin(token.size(), shownTokenLength)));
    return token.size() <= shownTokenLength ? text : text + QChar(0x2026);
}

// Reads one date token into `slot`; false when it is malformed or a second one.
bool readDate(QByteArrayView value, std::optional<qint64> &slot, bool &seen)
{
    if (seen) {
        return false;
    }
    seen = true;
    slot = secondsOf(value);
    return slot.has_value();
}

} // namespace

SignatureDates parseSignatureDates(QByteArrayView trustedComment)
{
    SignatureDates dates;
    bool timestampSeen = false;
    bool expiresSeen = false;
    qsizetype start = 0;
    while (start < trustedComment.size()) {
        qsizetype end = start;
        while (end < trustedComment.size() && trustedComment[end] != ' ' &&
               trustedComment[end] != '\t') {
            ++end;
        }
        const QByteArrayView token = trustedComment.sliced(start, end - start);
        bool wellFormed = true;
        if (token.startsWith(timestampKey)) {
            wellFormed =
                readDate(token.sliced(timestampKey.size()), dates.timestamp, timestampSeen);
        } else if (token.startsWith(expiresKey)) {
            wellFormed = readDate(token.sliced(expiresKey.size()), dates.expires, expiresSeen);
        }
        if (!wellFormed && dates.malformedToken.isEmpty()) {
            dates.malformedToken = shownToken(token);
        }
        start = end + 1;
    }
    return dates;
}

QByteArray signatureDatesComment(qint64 timestamp, qint64 expires)
{
    return timestampKey.toByteArray() + QByteArray::number(timestamp) + '\t' +
           expiresKey.toByteArray() + QByteArray::number(expires);
}

std::optional<QString> signatureDatesProblem(const SignatureDates &dates,
                                             std::optional<qint64> newestAccepted, qint64 now)
{
    if (!dates.malformedToken.isEmpty()) {
        return QStringLiteral("The catalogue signature's date \u201C%1\u201D is malformed: a "
                              "date must be given once, as whole seconds since 1970 up to the "
                              "year 9999.")
            .arg(dates.malformedToken);
    }
    if (!dates.timestamp) {
        return QStringLiteral("The catalogue signature carries no timestamp, so the list's age "
                              "cannot be checked.");
    }
    if (*dates.timestamp > now + signingClockSkewSeconds) {
        return QStringLiteral("The catalogue was signed %1, more than an hour after this "
                              "computer's clock (%2); a list from the future is refused. Check "
                              "this computer's clock.")
            .arg(signatureDateText(*dates.timestamp), signatureDateText(now));
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

bool recordLiesAhead(qint64 newestAccepted, qint64 now)
{
    return newestAccepted > now + signingClockSkewSeconds;
}

QString recordAheadDiscarded(qint64 newestAccepted, qint64 now)
{
    return QStringLiteral("The newest catalogue signing time kept on this computer (%1) lies "
                          "ahead of its clock (%2); it is set aside and the list is trusted as "
                          "on first use. Check this computer's clock if the kept time is right.")
        .arg(signatureDateText(newestAccepted), signatureDateText(now));
}

QString signatureDateText(qint64 seconds)
{
    return QDateTime::fromSecsSinceEpoch(seconds, Qt::UTC)
        .toString(QStringLiteral("yyyy-MM-dd HH:mm:ss 'UTC'"));
}
