#include "CatalogueLint.h"
#include "Commands.h"
#include "Downloader.h"
#include "ExitStatus.h"
#include "catalogue/ServerTextDecoder.h"
#include "catalogue/UnicodeText.h"
#include "download/WebAddress.h"
#include "trust/CatalogueSignature.h"
#include "trust/ImageDigest.h"
#include "trust/MinisignKey.h"
#include "update/UpdateMessages.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

namespace {

using Severity = LintFinding::Severity;

struct Source
{
    QByteArray bytes;
    int status = exitSuccess;
};

bool isRemote(const QUrl &url)
{
    return !webAddressProblem(url).has_value();
}

Source readSource(const QString &argument, Downloader &downloader, Console &console)
{
    const QUrl url(argument, QUrl::StrictMode);
    if (isRemote(url)) {
        const Downloader::Answer answer = downloader.get(url, DownloadKind::list);
        if (answer.stopped) {
            return {{}, exitInterrupted};
        }
        if (!answer.result.succeeded()) {
            console.printError(
                UpdateMessages::catalogueFetchFailed(answer.result.errorDescription));
            return {{}, exitCatalogue};
        }
        return {*answer.result.body, exitSuccess};
    }
    QFile file(argument);
    if (!file.open(QIODevice::ReadOnly)) {
        console.printError(
            QStringLiteral("Cannot read the list file %1: %2").arg(argument, file.errorString()));
        return {{}, exitUsage};
    }
    return {file.readAll(), exitSuccess};
}

// Why the list's bytes are not to be trusted under `key`, the signature read from beside the
// list: "<address>.minisig" as the window reads it, or "<file>.minisig".
std::optional<QString> signatureProblem(const QString &argument, const QByteArray &list,
                                        const MinisignPublicKey &key, Downloader &downloader,
                                        bool &stopped)
{
    const QUrl url(argument, QUrl::StrictMode);
    if (isRemote(url)) {
        const QUrl signatureURL = catalogueSignatureURL(url);
        const Downloader::Answer answer = downloader.get(signatureURL, DownloadKind::signature);
        stopped = answer.stopped;
        if (!answer.result.succeeded()) {
            return UpdateMessages::signatureUnreadable(signatureURL,
                                                       answer.result.errorDescription);
        }
        return catalogueSignatureProblem(list, *answer.result.body, key);
    }
    QFile file(argument + QStringLiteral(".minisig"));
    if (!file.open(QIODevice::ReadOnly)) {
        return QStringLiteral("Cannot read the signature file %1: %2")
            .arg(file.fileName(), file.errorString());
    }
    return catalogueSignatureProblem(list, file.readAll(), key);
}

// A key given as the key line itself, or as the path of a .pub file.
QString readKey(const QString &argument)
{
    QFile file(argument);
    if (file.exists() && file.open(QIODevice::ReadOnly)) {
        return QString::fromUtf8(file.readAll());
    }
    return argument;
}

QString statusText(const Downloader::Answer &answer)
{
    if (answer.status != 0) {
        return QStringLiteral("HTTP %1").arg(answer.status);
    }
    return answer.result.succeeded() ? QStringLiteral("fetched") : answer.result.errorDescription;
}

LintFinding notesFinding(qsizetype line, const QString &where, const Downloader::Answer &answer)
{
    const QString kind = QStringLiteral("fetch-notes");
    if (!answer.result.succeeded()) {
        return {Severity::error, line, kind,
                where + QStringLiteral(", ") + answer.result.errorDescription};
    }
    const auto decoded = decodeServerTextWithCharset(*answer.result.body);
    if (!decoded) {
        return {Severity::warning, line, kind,
                where +
                    QStringLiteral(", decodes in no supported character set: the window shows ") +
                    UpdateMessages::noNotes()};
    }
    if (trimWhitespaceAndNewlines(decoded->text).isEmpty()) {
        return {Severity::warning, line, kind,
                where + QStringLiteral(", empty: the window shows ") + UpdateMessages::noNotes()};
    }
    return {Severity::note, line, kind,
            where + QStringLiteral(", decodes as ") + QLatin1String(decoded->charset)};
}

// `refused` is set when the image does not match the record's digest.
LintFinding imageFinding(qsizetype line, const QString &where, const Downloader::Answer &answer,
                         const QString &digestText, bool &refused)
{
    const QString kind = QStringLiteral("fetch-image");
    if (!answer.result.succeeded()) {
        return {Severity::error, line, kind,
                where + QStringLiteral(", ") + answer.result.errorDescription};
    }
    const QByteArray &image = *answer.result.body;
    if (image.isEmpty()) {
        return {Severity::error, line, kind,
                where + QStringLiteral(", empty: the updater refuses it")};
    }
    const QString message = where + QStringLiteral(", %1 bytes").arg(image.size());
    const ImageDigest digest = parseImageDigest(digestText);
    if (const std::optional<QString> mismatch = imageDigestMismatch(digest, image)) {
        refused = true;
        return {Severity::error, line, kind, message + QStringLiteral(", ") + *mismatch};
    }
    return {Severity::note, line, kind,
            digest.state == ImageDigest::State::valid ? message + QStringLiteral(", digest matches")
                                                      : message};
}

// Downloads what each record points at, each address once, as the window would, and
// reports it.
int fetchAll(const LintReport &lint, Downloader &downloader, QList<LintFinding> &findings,
             bool &refused)
{
    QSet<QString> fetched;
    for (const LintedRecord &record : lint.records) {
        const FirmwareItem &item = record.item;
        for (const bool notes : {true, false}) {
            const QUrl url = notes ? item.notesURL.toUrl() : item.firmwareURL.toUrl();
            if (!isRemote(url) || fetched.contains(url.toString())) {
                continue;
            }
            fetched.insert(url.toString());
            const Downloader::Answer answer =
                downloader.get(url, notes ? DownloadKind::notes : DownloadKind::image);
            if (answer.stopped) {
                return exitInterrupted;
            }
            const QString where = (notes ? QStringLiteral("notes ") : QStringLiteral("image ")) +
                                  url.toString() + QStringLiteral(": ") + statusText(answer);
            findings.append(notes ? notesFinding(record.line, where, answer)
                                  : imageFinding(record.line, where, answer, item.digest, refused));
        }
    }
    return exitSuccess;
}

QString severityName(Severity severity)
{
    switch (severity) {
    case Severity::error:
        return QStringLiteral("error");
    case Severity::warning:
        return QStringLiteral("warning");
    case Severity::note:
        break;
    }
    return QStringLiteral("note");
}

} // namespace

int runLint(const Invocation &invocation, Environment &environment, Console &console)
{
    const QString &argument = invocation.arguments.at(0);
    // The key named on the command line, else the one this build trusts.
    std::optional<MinisignPublicKey> key;
    const QString keyText =
        invocation.publicKey.isEmpty() ? environment.catalogueKey : readKey(invocation.publicKey);
    if (!keyText.trimmed().isEmpty()) {
        ParsedMinisignPublicKey parsed = parseMinisignPublicKey(keyText);
        if (!parsed.key) {
            console.printError(QStringLiteral("morvane-flash: the public key is unusable. ") +
                               parsed.error);
            return exitUsage;
        }
        key = parsed.key;
    }
    Downloader downloader(environment.stop, console);
    const Source source = readSource(argument, downloader, console);
    if (source.status != exitSuccess) {
        return source.status;
    }
    LintReport lint = lintCatalogue(source.bytes, key.has_value());
    bool refused = false;
    if (key) {
        bool stopped = false;
        const std::optional<QString> problem =
            signatureProblem(argument, source.bytes, *key, downloader, stopped);
        if (stopped) {
            return exitInterrupted;
        }
        refused = problem.has_value();
        lint.findings.prepend(
            {problem ? Severity::error : Severity::note, 0, QStringLiteral("signature"),
             problem
                 ? *problem
                 : QStringLiteral("the signature holds for key ") + minisignKeyIdText(key->keyId)});
    }
    if (invocation.fetch) {
        if (const int status = fetchAll(lint, downloader, lint.findings, refused);
            status != exitSuccess) {
            return status;
        }
        std::stable_sort(
            lint.findings.begin(), lint.findings.end(),
            [](const LintFinding &a, const LintFinding &b) { return a.line < b.line; });
    }

    const qsizetype errors = lint.count(Severity::error);
    const qsizetype warnings = lint.count(Severity::warning);
    if (invocation.json) {
        QJsonArray findings;
        for (const LintFinding &finding : lint.findings) {
            findings.append(
                QJsonObject{{QStringLiteral("severity"), severityName(finding.severity)},
                            {QStringLiteral("line"), qint64(finding.line)},
                            {QStringLiteral("kind"), finding.kind},
                            {QStringLiteral("message"), finding.message}});
        }
        const QJsonObject document{{QStringLiteral("source"), argument},
                                   {QStringLiteral("records"), qint64(lint.records.size())},
                                   {QStringLiteral("errors"), qint64(errors)},
                                   {QStringLiteral("warnings"), qint64(warnings)},
                                   {QStringLiteral("findings"), findings}};
        console.print(
            QString::fromUtf8(QJsonDocument(document).toJson(QJsonDocument::Indented)).trimmed());
    } else {
        for (const LintFinding &finding : lint.findings) {
            const QString place = finding.line > 0
                                      ? argument + QLatin1Char(':') + QString::number(finding.line)
                                      : argument;
            console.print(place + QStringLiteral(": ") + severityName(finding.severity) +
                          QStringLiteral(": ") + finding.message);
        }
        console.print(QStringLiteral("%1 record(s), %2 error(s), %3 warning(s)")
                          .arg(lint.records.size())
                          .arg(errors)
                          .arg(warnings));
    }
    if (refused) {
        return exitIntegrity;
    }
    return errors > 0 ? exitCatalogue : exitSuccess;
}
