#include "bundle/BundleLayout.h"
#include "catalogue/ServerTextDecoder.h"
#include "catalogue/UnicodeText.h"
#include "commands/CatalogueChoice.h"
#include "commands/Commands.h"
#include "download/WebAddress.h"
#include "frame/Downloader.h"
#include "frame/ExitStatus.h"
#include "publish/CatalogueLint.h"
#include "publish/PublicKeyChoice.h"
#include "trust/CatalogueTrust.h"
#include "trust/ImageDigest.h"
#include "trust/MinisignKey.h"
#include "update/CatalogueFetch.h"
#include "update/UpdateMessages.h"

#include <QDateTime>
#include <QDir>
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
    // The signature's findings and whether they refuse the list, when a key is in use.
    QList<LintFinding> signatureFindings = {};
    bool refused = false;
    int status = exitSuccess;
};

bool isRemote(const QUrl &url)
{
    return !webAddressProblem(url).has_value();
}

// The list named on the command line and, with a key, the updater's verdict on its signature:
// fetched by the catalogue road as the window fetches it (from the bundle with --bundle, at the
// catalogue's address), or read with "<file>.minisig" beside it. Nothing of lint's own decides
// whether a signature holds.
Source readSource(const Invocation &invocation, const QString &argument,
                  const QList<MinisignPublicKey> &keys, Downloader &downloader, Console &console)
{
    const QUrl url =
        downloader.readsBundle() ? invocation.listURL : QUrl(argument, QUrl::StrictMode);
    if (downloader.readsBundle() || isRemote(url)) {
        const CatalogueTrust trust{!keys.isEmpty(), keys, QString()};
        CatalogueFetch fetch(downloader.source(), trust, std::nullopt);
        const std::optional<CatalogueReading> reading = fetchCatalogue(downloader, fetch, url);
        if (!reading) {
            return {{}, {}, false, exitInterrupted};
        }
        if (!reading->list) {
            console.printError(reading->failureLine);
            return {{}, {}, false, exitCatalogue};
        }
        // The signature's verdict only: a record the updater refuses is lint's own finding.
        const bool signatureRefused =
            std::any_of(reading->findings.cbegin(), reading->findings.cend(),
                        [](const LintFinding &f) { return f.severity == Severity::error; });
        return {*reading->list, reading->findings, signatureRefused, exitSuccess};
    }
    QFile file(argument);
    if (!file.open(QIODevice::ReadOnly)) {
        console.printError(
            QStringLiteral("Cannot read the list file %1: %2").arg(argument, file.errorString()));
        return {{}, {}, false, exitCatalogue};
    }
    Source source{file.readAll()};
    if (!keys.isEmpty()) {
        QFile signatureFile(argument + QStringLiteral(".minisig"));
        SignatureText signature;
        if (signatureFile.open(QIODevice::ReadOnly)) {
            signature.bytes = signatureFile.readAll();
        } else {
            signature.unreadable = QStringLiteral("Cannot read the signature file %1: %2")
                                       .arg(signatureFile.fileName(), signatureFile.errorString());
        }
        const SignatureVerdict verdict = judgeSignature(source.bytes, keys, signature, std::nullopt,
                                                        QDateTime::currentSecsSinceEpoch());
        source.signatureFindings = verdict.findings;
        source.refused = verdict.refusal.has_value();
    }
    return source;
}

// "notes <address>: HTTP 200" for what arrived; a failure's description says the status itself.
QString fetchedText(const char *what, const QUrl &url, const Downloader::Answer &answer)
{
    const QString place = QLatin1String(what) + QLatin1Char(' ') + url.toString();
    if (!answer.result.succeeded()) {
        return place + QStringLiteral(": ") + answer.result.errorDescription;
    }
    return place + (answer.status != 0 ? QStringLiteral(": HTTP %1").arg(answer.status)
                                       : QStringLiteral(": fetched"));
}

LintFinding notesFinding(const LintedRecord &record, bool keyed, const QString &where,
                         const Downloader::Answer &answer)
{
    const QString kind = QStringLiteral("fetch-notes");
    const qsizetype line = record.line;
    if (!answer.result.succeeded()) {
        return {Severity::error, line, kind, where};
    }
    if (const std::optional<QString> refusal =
            notesRefusal(record.item, keyed, *answer.result.body)) {
        return {Severity::error, line, kind, where + QStringLiteral(", not shown: ") + *refusal};
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
        return {Severity::error, line, kind, where};
    }
    const QByteArray &image = *answer.result.body;
    if (image.isEmpty()) {
        return {Severity::error, line, kind,
                where + QStringLiteral(", empty: the updater refuses it")};
    }
    const QString message = where + QStringLiteral(", %1 bytes").arg(image.size());
    const ImageDigest digest = parseImageDigest(digestText);
    if (imageDigestMismatch(digest, image)) {
        refused = true;
        const QString expected = digest.state == ImageDigest::State::valid
                                     ? shortDigestText(digest.sha256)
                                     : QStringLiteral("a malformed digest");
        return {Severity::error, line, kind,
                message + QStringLiteral(", does not match its digest (expected %1, received "
                                         "%2): the updater refuses it")
                              .arg(expected, shortDigestText(sha256Of(image)))};
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
int addFetchFindings(LintOutcome &outcome, bool keyed, Downloader &downloader)
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
                downloader.get(url, notes ? DownloadKind::notes : DownloadKind::image,
                               parseImageDigest(notes ? item.notesDigest : item.digest).sha256);
            if (answer.stopped) {
                return exitInterrupted;
            }
            const QString where = fetchedText(notes ? "notes" : "image", url, answer);
            findings.append(
                notes ? notesFinding(record, keyed, where, answer)
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

QJsonDocument jsonReport(const QString &source, const LintReport &report)
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
    return QJsonDocument(document);
}

// A refusal outranks the errors that come with it: the updater would not even try.
int lintStatus(const LintOutcome &outcome)
{
    if (outcome.refused) {
        return exitIntegrity;
    }
    return outcome.report.count(Severity::error) > 0 ? exitListErrors : exitSuccess;
}

} // namespace

int runLint(const Invocation &invocation, Environment &environment, Console &console)
{
    // A bundle's list is reported by its file's name, where its line numbers can be looked up.
    const QString argument = invocation.bundle.isEmpty()
                                 ? invocation.arguments.at(0)
                                 : QDir(invocation.bundle).filePath(bundleListName);
    const KeyChoice key = chooseKey(invocation.publicKey, environment.catalogueTrust, console);
    if (key.status != exitSuccess) {
        return key.status;
    }
    Downloader downloader(invocation, environment.stop, console);
    const Source source = readSource(invocation, argument, key.keys, downloader, console);
    if (source.status != exitSuccess) {
        return source.status;
    }
    const bool keyed = !key.keys.isEmpty();
    LintOutcome outcome{lintCatalogue(source.bytes, keyed), source.refused};
    outcome.report.findings = source.signatureFindings + outcome.report.findings;
    if (invocation.fetch) {
        if (const int status = addFetchFindings(outcome, keyed, downloader);
            status != exitSuccess) {
            return status;
        }
    }
    if (invocation.json) {
        console.printJson(jsonReport(argument, outcome.report));
    } else {
        console.print(textReport(argument, outcome.report));
    }
    return lintStatus(outcome);
}
