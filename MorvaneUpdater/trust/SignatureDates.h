#pragma once

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
};

// Reads the verified trusted comment; a token that is not a plain decimal number counts as
// absent.
SignatureDates parseSignatureDates(QByteArrayView trustedComment);

// Why a validly signed list may still not be taken: no timestamp, one older than the newest
// accepted before for this key (a rollback to an earlier list), or an expiry that has passed
// (a list held back from its successors). Nothing when it may.
std::optional<QString> signatureDatesProblem(const SignatureDates &dates,
                                             std::optional<qint64> newestAccepted, qint64 now);

// "2026-12-07 19:45:00 UTC"
QString signatureDateText(qint64 seconds);
