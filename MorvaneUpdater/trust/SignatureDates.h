#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QtGlobal>
#include <optional>

// The dates a catalogue's trusted comment carries, as minisign writes them by default
// ("timestamp:<seconds>", tokens separated by tabs or blanks) with an optional
// "expires:<seconds>" a publisher adds. Seconds since 1970, UTC.
struct SignatureDates
{
    std::optional<qint64> timestamp;
    std::optional<qint64> expires;
    // The first date token that does not read as whole seconds in range, or is given twice;
    // empty when none. Such a list is refused: a misread date is never truncated or ignored.
    QString malformedToken = {};
};

// How far a signing time may lie ahead of this computer's clock and still be taken. A list
// dated further ahead would, once recorded, shut out every correct list after it.
inline constexpr qint64 signingClockSkewSeconds = 3600;

SignatureDates parseSignatureDates(QByteArrayView trustedComment);
// The trusted comment sign gives minisign, which parseSignatureDates reads back.
QByteArray signatureDatesComment(qint64 timestamp, qint64 expires);

// Why a validly signed list may still not be taken: a malformed date, no timestamp, a
// timestamp beyond the skew ahead of `now`, one older than the newest accepted before for
// this catalogue (a rollback to an earlier list), or an expiry that has passed (a list held
// back from its successors). Nothing when it may.
std::optional<QString> signatureDatesProblem(const SignatureDates &dates,
                                             std::optional<qint64> newestAccepted, qint64 now);

// A kept signing time beyond the skew ahead of `now`: this clock is behind, a list signed with
// a fast clock was taken, or an earlier version, which had no bound, kept it.
bool recordLiesAhead(qint64 newestAccepted, qint64 now);

// The way back that a person chooses, named wherever the floor refuses a list.
QString forgetRecordAdvice();

// "2026-12-07 19:45:00 UTC"
QString signatureDateText(qint64 seconds);
