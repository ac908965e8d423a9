#include "publish/ListSigning.h"

#include "diagnosis/DoctorNetworkChecks.h"
#include "publish/LintReportText.h"
#include "publish/PublicKeyChoice.h"
#include "trust/CatalogueSignature.h"
#include "trust/MinisignSignature.h"
#include "trust/SignatureDates.h"
#include "update/CatalogueReading.h"
#include "update/FolderFile.h"
#include "update/LocalFileName.h"
#include "update/RegularFile.h"
#include "update/SignedListRules.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>
#include <algorithm>

namespace {

struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(ListSigning)
};

// A secret key file is two short lines.
constexpr qint64 maxSecretKeyBytes = 4096;

// The signing time of the signature about to be replaced; its trusted comment is the
// publisher's own, so it is read without the list it was made for.
std::optional<qint64> replacedSigningTime(const ReadFile &signatureFile)
{
    if (!signatureFile.bytes) {
        return std::nullopt;
    }
    const ParsedMinisignSignature parsed = parseMinisignSignature(*signatureFile.bytes);
    return parsed.signature ? parseSignatureDates(parsed.signature->trustedComment).timestamp
                            : std::nullopt;
}

// "sign would date the list …, not after …": both times, and the machine to fix.
void sayBackwards(qint64 now, qint64 earlier, const QString &what, Console &console)
{
    console.printError(
        Texts::tr("morvane-flash: sign would date the list %1, not after %2 (signed %3): "
                  "every unit that took that list would refuse this one. If this machine's "
                  "clock is behind, set it right (timedatectl set-ntp true) and sign again; "
                  "if %2 was signed with a fast clock, sign once its date has passed. Nothing "
                  "was written.")
            .arg(signatureDateText(now), what, signatureDateText(earlier)));
}

} // namespace

PublishedList publishedList(const QUrl &address, const QList<MinisignPublicKey> &keys,
                            Downloader &downloader)
{
    const Downloader::Answer list = downloader.get(address, DownloadKind::list);
    if (!list.result.succeeded()) {
        return {std::nullopt, list.result.errorDescription, list.result.serverDate};
    }
    const Downloader::Answer signature =
        downloader.get(catalogueSignatureURL(address), DownloadKind::signature);
    PublishedList published{std::nullopt, signature.result.errorDescription,
                            list.result.serverDate};
    if (signature.result.succeeded()) {
        const CatalogueSignatureCheck check =
            checkCatalogueSignature(*list.result.body, *signature.result.body, keys);
        published.notCompared = check.problem.value_or(QString());
        if (!check.problem) {
            published.timestamp = parseSignatureDates(check.trustedComment).timestamp;
        }
    }
    return published;
}

SigningFloor checkSigningFloor(const QString &listPath, const QUrl &address,
                               const QList<MinisignPublicKey> &keys, qint64 now,
                               Downloader &downloader, Console &console)
{
    const QString signaturePath = listPath + QStringLiteral(".minisig");
    const ReadFile signatureFile = readRegularFile(signaturePath, maxSignatureBytes);
    if (!signatureFile.bytes && !signatureFile.absent) {
        console.printError(Texts::tr("Cannot read the signature file %1: %2")
                               .arg(signaturePath, signatureFile.errorDescription));
        return {std::nullopt, exitCatalogue};
    }
    const PublishedList published = publishedList(address, keys, downloader);
    if (const DoctorCheck clock = clockCheck(published.serverDate, now);
        clock.verdict == DoctorCheck::Verdict::fail) {
        console.printError(Texts::tr("morvane-flash: %1. %2 A list signed now would be "
                                     "dated wrong. Nothing was written.")
                               .arg(clock.finding, clock.fix));
        return {std::nullopt, exitListErrors};
    }
    if (!published.notCompared.isEmpty()) {
        // "path: note: ..." is the form editors read; only what follows is translated.
        console.printError(listPath + QStringLiteral(": note: ") +
                           Texts::tr("not compared with the list published at %1: %2")
                               .arg(address.toDisplayString(), published.notCompared));
    }
    const std::optional<qint64> replaced = replacedSigningTime(signatureFile);
    if (replaced && now <= *replaced) {
        sayBackwards(now, *replaced, Texts::tr("the signature it replaces, %1").arg(signaturePath),
                     console);
        return {replaced, exitListErrors};
    }
    if (published.timestamp && now <= *published.timestamp) {
        sayBackwards(now, *published.timestamp,
                     Texts::tr("the list published at %1").arg(address.toDisplayString()), console);
        return {published.timestamp, exitListErrors};
    }
    if (!replaced || !published.timestamp) {
        return {replaced ? replaced : published.timestamp, exitSuccess};
    }
    return {std::max(*replaced, *published.timestamp), exitSuccess};
}

SigningKey readSigningKey(const QString &secretKeyPath, const QString &publicKeyOption,
                          const CatalogueTrust &build, bool onTerminal, Console &console)
{
    const ReadFile keyFile = readRegularFile(secretKeyPath, maxSecretKeyBytes);
    SigningKey key{
        keyFile.bytes ? parseMinisignSecretKey(*keyFile.bytes) : ParsedMinisignSecretKey{}, {}};
    if (!keyFile.bytes || !key.secret.error.isEmpty()) {
        console.printError(
            Texts::tr("morvane-flash: cannot use the secret key file %1: %2")
                .arg(secretKeyPath, keyFile.bytes ? key.secret.error : keyFile.errorDescription));
        return {{}, {}, exitUsage};
    }
    if (key.secret.passwordProtected && !onTerminal) {
        console.printError(
            Texts::tr("morvane-flash: the secret key %1 is protected by a password, and "
                      "standard input is no terminal to type it on: run sign on a terminal, "
                      "or sign with a key made by minisign -G -W.")
                .arg(secretKeyPath));
        return {{}, {}, exitUsage};
    }
    // The signing key's own public half where it can be had: a build that does not trust it
    // is told of as a warning (a key rotation signs so), not a refusal.
    KeyChoice choice = publicKeyOption.isEmpty() && key.secret.key
                           ? KeyChoice{{key.secret.key->publicKey()}}
                           : chooseKey(publicKeyOption, build, console);
    if (choice.status != exitSuccess) {
        return {{}, {}, choice.status};
    }
    key.judgedBy = std::move(choice.keys);
    if (key.judgedBy.isEmpty()) {
        console.printError(Texts::tr("morvane-flash: a key sealed with a password does not "
                                     "give its public key: name it with --public-key."));
        return {{}, {}, exitUsage};
    }
    return key;
}

int reportSigningProblems(const QString &listPath, const QList<SigningProblem> &problems,
                          Console &console)
{
    for (const SigningProblem &problem : problems) {
        console.printError(lintFindingText(
            listPath, {CatalogueFinding::Severity::error, problem.line, {}, problem.message}));
    }
    console.printError(Texts::tr("Nothing was signed or written."));
    return problems.first().status;
}

SignedVerdict judgeSignedList(const QString &listPath, const QByteArray &list,
                              const QByteArray &signature, const QList<MinisignPublicKey> &keys,
                              qint64 now, std::optional<qint64> newestAccepted, Console &console)
{
    using Severity = CatalogueFinding::Severity;
    const CatalogueReading reading = readCatalogue(list, CatalogueTrust{true, keys, QString()},
                                                   {signature, {}}, newestAccepted, now);
    for (const CatalogueFinding &finding : reading.findings) {
        if (finding.severity != Severity::note) {
            console.printError(lintFindingText(listPath, finding));
        }
    }
    if (reading.items) {
        return {reading.items->size(), exitSuccess};
    }
    // Each line the updater refuses, as lint names it; the signature's refusal was said above.
    const bool signatureRefused =
        std::any_of(reading.findings.cbegin(), reading.findings.cend(),
                    [](const CatalogueFinding &f) { return f.severity == Severity::error; });
    const QList<CatalogueFinding> lines =
        signatureRefused ? QList<CatalogueFinding>() : signedListProblems(QString::fromUtf8(list));
    for (const CatalogueFinding &line : lines) {
        console.printError(lintFindingText(listPath, line));
    }
    if (!signatureRefused && lines.isEmpty()) {
        console.printError(listPath + QStringLiteral(": error: ") +
                           Texts::tr("the updater would refuse it: %1").arg(reading.failureLine));
    }
    console.printError(Texts::tr("Nothing was written."));
    return {0, signatureRefused ? exitIntegrity : exitListErrors};
}

int writeSignedList(const QString &listPath, const QByteArray &original, const QByteArray &list,
                    const QByteArray &signature, Console &console)
{
    const QString folder = folderOfFile(listPath);
    const QString listName = absoluteFileName(listPath).section(QLatin1Char('/'), -1);
    const bool changed = list != original;
    if (changed) {
        if (const SavedFile saved = saveInFolder(folder, listName, list); !saved.succeeded()) {
            console.printError(Texts::tr("Cannot write %1: %2 Nothing was changed.")
                                   .arg(listPath, saved.errorDescription));
            return exitCatalogue;
        }
    }
    if (const SavedFile saved =
            saveInFolder(folder, listName + QStringLiteral(".minisig"), signature);
        !saved.succeeded()) {
        const bool restored = !changed || saveInFolder(folder, listName, original).succeeded();
        console.printError(Texts::tr("Cannot write %1.minisig: %2 %3")
                               .arg(listPath, saved.errorDescription,
                                    restored ? Texts::tr("The list is as it was.")
                                             : Texts::tr("The list was written but its "
                                                         "signature not: sign it again.")));
        return exitCatalogue;
    }
    return exitSuccess;
}

std::optional<QString> untrustedByBuild(const QByteArray &signature, const CatalogueTrust &build)
{
    const ParsedMinisignSignature parsed = parseMinisignSignature(signature);
    if (build.keys.isEmpty() || !parsed.signature) {
        return std::nullopt;
    }
    QStringList trusted;
    for (const MinisignPublicKey &key : build.keys) {
        if (key.keyId == parsed.signature->keyId) {
            return std::nullopt;
        }
        trusted.append(minisignKeyIdText(key.keyId));
    }
    return Texts::tr("this build trusts key %1, not key %2 that signed the list: units of "
                     "this build will refuse it, and only a release that trusts key %2 "
                     "takes it")
        .arg(trusted.join(Texts::tr(" or ", "between key ids")),
             minisignKeyIdText(parsed.signature->keyId));
}

QString signedKeysText(const QByteArray &signature, const QList<MinisignPublicKey> &judgedBy)
{
    const ParsedMinisignSignature parsed = parseMinisignSignature(signature);
    QStringList judged;
    for (const MinisignPublicKey &key : judgedBy) {
        judged.append(minisignKeyIdText(key.keyId));
    }
    return Texts::tr("signed with key %1, judged by key %2")
        .arg(parsed.signature ? minisignKeyIdText(parsed.signature->keyId) : QStringLiteral("?"),
             judged.join(Texts::tr(" or ", "between key ids")));
}
