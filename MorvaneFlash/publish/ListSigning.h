#pragma once

#include "frame/Console.h"
#include "frame/Downloader.h"
#include "frame/ExitStatus.h"
#include "publish/DigestFilling.h"
#include "trust/CatalogueTrust.h"
#include "trust/MinisignKey.h"
#include "trust/MinisignSecretKey.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QUrl>
#include <optional>

// The publisher's side of what the updater checks: every record bound to its image and notes
// by a digest (DigestFilling), then a signature whose trusted comment carries the signing time
// and an expiry, made by the real minisign program (MinisignRunner). The result is judged by
// the updater's own verdict before anything is written, so that sign never publishes what an
// updater would refuse.

struct SigningKey
{
    ParsedMinisignSecretKey secret;
    // What the signed list is judged by, as an updater built with these keys would judge it.
    QList<MinisignPublicKey> judgedBy;
    int status = exitSuccess;
};

// The secret key file at `secretKeyPath`, and the keys to judge by: those named
// (`publicKeyOption`), else the secret key's own public half, else (a key sealed with a
// password) the build's. A key sealed
// with a password needs a terminal (`onTerminal`) for minisign to ask on. A failure has been
// said.
SigningKey readSigningKey(const QString &secretKeyPath, const QString &publicKeyOption,
                          const CatalogueTrust &build, bool onTerminal, Console &console);

// Says each line sign could not make good, and that nothing was written; the first one's
// status.
int reportSigningProblems(const QString &listPath, const QList<SigningProblem> &problems,
                          Console &console);

struct SignedVerdict
{
    qsizetype records = 0;
    // Not exitSuccess when the updater would refuse the list, which has been said.
    int status = exitSuccess;
};

// The updater's verdict on `list` with `signature`, as on first use at `now`; its warnings
// are said. `newestAccepted`: the signing time of a list it replaces, which it may not
// predate.
SignedVerdict judgeSignedList(const QString &listPath, const QByteArray &list,
                              const QByteArray &signature, const QList<MinisignPublicKey> &keys,
                              qint64 now, std::optional<qint64> newestAccepted, Console &console);

// The list published at a catalogue's address, as far as it bounds a new one.
struct PublishedList
{
    // Its signing time, when it answered with a signature that holds under the keys.
    std::optional<qint64> timestamp;
    // Why it is not compared; empty when it is.
    QString notCompared;
    // The server's Date header, for comparing clocks.
    QByteArray serverDate;
};
PublishedList publishedList(const QUrl &address, const QList<MinisignPublicKey> &keys,
                            Downloader &downloader);

// Nothing is published backwards: a unit that took a list refuses every list signed before it.
// A new signature dated `now` must come after the signature it replaces (`<list>.minisig`) and
// after the list now published at `address`, when that answers with a signature that holds
// under `keys`; and this clock may not lie beyond the skew from the server's Date, as doctor's
// clock check judges it. The newest signing time it must follow; a refusal (exitListErrors,
// or exitCatalogue when the signature beside the list cannot be read) has been said with both
// times and what to do, and nothing was signed.
struct SigningFloor
{
    std::optional<qint64> newest;
    int status = exitSuccess;
};
SigningFloor checkSigningFloor(const QString &listPath, const QUrl &address,
                               const QList<MinisignPublicKey> &keys, qint64 now,
                               Downloader &downloader, Console &console);

// The list first (when it is not `original`), then its signature beside it; a signature that
// cannot follow puts the list back. The exit status; a failure has been said.
int writeSignedList(const QString &listPath, const QByteArray &original, const QByteArray &list,
                    const QByteArray &signature, Console &console);

// When the build trusts keys and not the one that made `signature`: why its units refuse the
// list, as a warning.
std::optional<QString> untrustedByBuild(const QByteArray &signature, const CatalogueTrust &build);

// "signed with key …, judged by key …", for sign's success line.
QString signedKeysText(const QByteArray &signature, const QList<MinisignPublicKey> &judgedBy);
