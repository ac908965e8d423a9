#include "trust/SignatureDates.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDateTime>

namespace {

struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(SignatureDates)
};

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

QString olderListRefused(qint64 timestamp, qint64 newestAccepted, qint64 now)
{
    if (recordLiesAhead(newestAccepted, now)) {
        return Texts::tr("The catalogue was signed %1, before the list already accepted (signed "
                         "%2), which lies ahead of this computer's clock (%3); an older list is "
                         "refused. Either this computer's clock is behind, and should be set "
                         "right, or a list signed with a fast clock was taken earlier. %4")
            .arg(signatureDateText(timestamp), signatureDateText(newestAccepted),
                 signatureDateText(now), forgetRecordAdvice());
    }
    return Texts::tr("The catalogue was signed %1, before the list already accepted (signed "
                     "%2); an older list is refused. %3")
        .arg(signatureDateText(timestamp), signatureDateText(newestAccepted), forgetRecordAdvice());
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
        return Texts::tr("The catalogue signature's date \u201C%1\u201D is malformed: a "
                         "date must be given once, as whole seconds since 1970 up to the "
                         "year 9999.")
            .arg(dates.malformedToken);
    }
    if (!dates.timestamp) {
        return Texts::tr("The catalogue signature carries no timestamp, so the list's age "
                         "cannot be checked.");
    }
    // The list already taken is no new floor, whatever the clock says now.
    const bool alreadyTaken = newestAccepted && *dates.timestamp == *newestAccepted;
    if (*dates.timestamp > now + signingClockSkewSeconds && !alreadyTaken) {
        return Texts::tr("The catalogue was signed %1, more than an hour after this "
                         "computer's clock (%2); a list from the future is refused. Either "
                         "this computer's clock is behind, and the list is taken once it is "
                         "set right, or the list was signed on a machine whose clock is "
                         "fast, and its publisher must sign it again: taken now, it would "
                         "shut out every correct list signed before %1.")
            .arg(signatureDateText(*dates.timestamp), signatureDateText(now));
    }
    if (newestAccepted && *dates.timestamp < *newestAccepted) {
        return olderListRefused(*dates.timestamp, *newestAccepted, now);
    }
    if (dates.expires && *dates.expires <= now) {
        return Texts::tr("The catalogue expired %1 (signed %2).")
            .arg(signatureDateText(*dates.expires), signatureDateText(*dates.timestamp));
    }
    return std::nullopt;
}

bool recordLiesAhead(qint64 newestAccepted, qint64 now)
{
    return newestAccepted > now + signingClockSkewSeconds;
}

QString forgetRecordAdvice()
{
    return Texts::tr("If the list already taken should not have been, remove its record "
                     "with \u201Cmorvane-flash record --forget\u201D: the next list is then "
                     "trusted as on first use.");
}

QString signatureDateText(qint64 seconds)
{
    return QDateTime::fromSecsSinceEpoch(seconds, Qt::UTC)
        .toString(QStringLiteral("yyyy-MM-dd HH:mm:ss 'UTC'"));
}
