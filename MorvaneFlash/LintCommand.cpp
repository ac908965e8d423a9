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

// A key given as the key line itself, or as the path of a .pub file.
QString readKey(const QString &argument)
{
    QFile file(argument);
    if (file.exists() && file.open(QIODevice::ReadOnly)) {
        return QString::fromUtf8(file.readAll());
    }
    return argument;
}

struct KeyChoice
{
    std::optional<MinisignPublicKey> key;
    int status = exitSuccess;
};

// The key named on the command line, else the one this build trusts; none when both are
// blank, and then no signature is asked for.
KeyChoice chooseKey(const QString &publicKeyOption, const QString &buildKey, Console &console)
{
    const QString keyText = publicKeyOption.isEmpty() ? buildKey : readKey(publicKeyOption);
    if (keyText.trimmed().isEmpty()) {
        return {};
    }
    ParsedMinisignPublicKey parsed = parseMinisignPublicKey(keyText);
    if (!parsed.key) {
        console.printError(QStringLiteral("morvane-flash: the public key is unusable. ") +
                           parsed.error);
        return {std::nullopt, exitUsage};
    }
    return {parsed.key, exitSuccess};
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

// The finding that heads the report: the signature holds, or why not. Nothing when a stop
// request ended the signature's download.
std::optional<LintFinding> signatureFinding(const QString &argument, const QByteArray &list,
                                            const MinisignPublicKey &key, Downloader &downloader)
{
    bool stopped = false;
    const std::optional<QString> problem =
        signatureProblem(argument, list, key, downloader, stopped);
    if (stopped) {
        return std::nullopt;
    }
    const QString kind = QStringLiteral("signature");
    if (problem) {
        return LintFinding{Severity::error, 0, kind, *problem};
    }
    return LintFinding{Severity::note, 0, kind,
                       QStringLiteral("the signature holds for key ") +
                           minisignKeyIdText(key.keyId)};
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

// The report, and whether the updater would refuse the list or one of its images outright
// rather than merely skip or doubt a line.
struct LintOutcome
{
    LintReport report;
    bool refused = false;
};

// Downloads what each record points at, each address once, as the window would, and adds
// its findings among those of the record's line.
int addFetchFindings(LintOutcome &outcome, Downloader &downloader)
{
    QList<LintFinding> &findings = outcome.report.findings;
    QSet<QString> fetched;
    for (const LintedRecord &record : outcome.report.records) {
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
            findings.append(
                notes ? notesFinding(record.line, where, answer)
                      : imageFinding(record.line, where, answer, item.digest, outcome.refused));
        }
    }
    // Stable: within a line, the file's own findings come before what the downloads found.
    std::stable_sort(findings.begin(), findings.end(),
                     [](const LintFinding &a, const LintFinding &b) { return a.line < b.line; });
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

// "<source>:<line>: <severity>: <message>" per finding, as compilers write theirs, then the
// counts.
QString textReport(const QString &source, const LintReport &report)
{
    QStringList lines;
    for (const LintFinding &finding : report.findings) {
        const QString place =
            finding.line > 0 ? source + QLatin1Char(':') + QString::number(finding.line) : source;
        lines.append(place + QStringLiteral(": ") + severityName(finding.severity) +
                     QStringLiteral(": ") + finding.message);
    }
    lines.append(QStringLiteral("%1 record(s), %2 error(s), %3 warning(s)")
                     .arg(report.records.size())
                     .arg(report.count(Severity::error))
                     .arg(report.count(Severity::warning)));
    return lines.join(QLatin1Char('\n'));
}

QString jsonReport(const QString &source, const LintReport &report)
{
    QJsonArray findings;
    for (const LintFinding &finding : report.findings) {
        findings.append(QJsonObject{{QStringLiteral("severity"), severityName(finding.severity)},
                                    {QStringLiteral("line"), qint64(finding.line)},
                                    {QStringLiteral("kind"), finding.kind},
                                    {QStringLiteral("message"), finding.message}});
    }
    const QJsonObject document{
        {QStringLiteral("source"), source},
        {QStringLiteral("records"), qint64(report.records.size())},
        {QStringLiteral("errors"), qint64(report.count(Severity::error))},
        {QStringLiteral("warnings"), qint64(report.count(Severity::warning))},
        {QStringLiteral("findings"), findings}};
    return QString::fromUtf8(QJsonDocument(document).toJson(QJsonDocument::Indented)).trimmed();
}

// A refusal outranks the errors that come with it: the updater would not even try.
int lintStatus(const LintOutcome &outcome)
{
    if (outcome.refused) {
        return exitIntegrity;
    }
    return outcome.report.count(Severity::error) > 0 ? exitCatalogue : exitSuccess;
}

} // namespace

int runLint(const Invocation &invocation, Environment &environment, Console &console)
{
    const QString &argument = invocation.arguments.at(0);
    const KeyChoice key = chooseKey(invocation.publicKey, environment.catalogueKey, console);
    if (key.status != exitSuccess) {
        return key.status;
    }
    Downloader downloader(environment.stop, console);
    const Source source = readSource(argument, downloader, console);
    if (source.status != exitSuccess) {
        return source.status;
    }
    LintOutcome outcome{lintCatalogue(source.bytes, key.key.has_value())};
    if (key.key) {
        const std::optional<LintFinding> signature =
            signatureFinding(argument, source.bytes, *key.key, downloader);
        if (!signature) {
            return exitInterrupted;
        }
        outcome.report.findings.prepend(*signature);
        outcome.refused = signature->severity == Severity::error;
    }
    if (invocation.fetch) {
        if (const int status = addFetchFindings(outcome, downloader); status != exitSuccess) {
            return status;
        }
    }
    console.print(invocation.json ? jsonReport(argument, outcome.report)
                                  : textReport(argument, outcome.report));
    return lintStatus(outcome);
}
