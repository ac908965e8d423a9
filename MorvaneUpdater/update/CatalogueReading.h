#pragma once

#include "catalogue/FirmwareItem.h"
#include "download/DownloadResult.h"
#include "trust/CatalogueTrust.h"
#include "update/CatalogueFinding.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// The list's signature as it came: its bytes, or the whole reason there are none.
struct SignatureText
{
    std::optional<QByteArray> bytes;
    QString unreadable;
};

// The kinds of the signature's findings (CatalogueFinding::kind).
namespace FindingKind {
// Whether the signature holds, and under which key.
inline constexpr char signature[] = "signature";
// Whether its dates allow the list: not older than one taken here, not expired.
inline constexpr char signatureDates[] = "signature-dates";
} // namespace FindingKind

// What the signature says of a list under a key: the findings about the signature and its
// dates, the first error among them being why the list is refused. The one judgement of a
// signed list; the window, the command line and lint all take it from here.
struct SignatureVerdict
{
    QList<CatalogueFinding> findings;
    std::optional<QString> refusal;
    // The signing time to keep as the newest accepted once the list is taken.
    std::optional<qint64> timestamp;
    // The id of the key that signed it.
    QString keyId = {};
};

// `keys` are those trusted, any of which may have signed; `newestAccepted` is the newest
// signing time taken before under any of them (nothing: trust on first use); `now` is seconds
// since 1970.
SignatureVerdict judgeSignature(const QByteArray &list, const QList<MinisignPublicKey> &keys,
                                const SignatureText &signature,
                                std::optional<qint64> newestAccepted, qint64 now);

// What a list file gives: its records, or the line that says why it gives none.
struct CatalogueReading
{
    std::optional<QList<FirmwareItem>> items;
    QString failureLine;
    // The signature, not the download or the text, is what failed.
    bool refusedByTrust = false;
    // The list file as it came, for the line numbers of its records; nothing when it did not.
    std::optional<QByteArray> list = {};
    // Its signature as it came, when one was fetched.
    std::optional<QByteArray> signature = {};
    // The signature's findings when a key is in use.
    QList<CatalogueFinding> findings = {};
    std::optional<qint64> acceptedTimestamp = {};
    QString acceptedKeyId = {};
    // What became of the record of signing times kept on this computer, when that is worth
    // saying: ahead of the clock, unreadable, used unlocked, not kept, or an earlier version's
    // ignored. Shown beside the outcome, never instead, and kept in sight while they hold.
    QStringList recordNotices = {};
};

// Checks the list against its signature when `trust` holds keys, then decodes and parses
// it. Keeping the signing time is the caller's business (CatalogueFetch).
CatalogueReading readCatalogue(const QByteArray &list, const CatalogueTrust &trust,
                               const SignatureText &signature, std::optional<qint64> newestAccepted,
                               qint64 now);

// What a release-notes download gives: the trimmed text, or the line that says why there is
// none to show (the download failed, the notes fail their digest, or they are empty).
struct NotesReading
{
    std::optional<QString> notes;
    QString failureLine;
    // The digest, not the download or the text, is what failed.
    bool refusedByTrust = false;
};

NotesReading readNotes(const FirmwareItem &item, bool keyBuiltIn, const DownloadResult &download);
