#include "commands/LintCommand.h"

#include "bundle/BundleLayout.h"
#include "catalogue/ServerTextDecoder.h"
#include "catalogue/UnicodeText.h"
#include "commands/SharedOptions.h"
#include "download/DownloadLimits.h"
#include "download/WebAddress.h"
#include "frame/CatalogueChoice.h"
#include "frame/Downloader.h"
#include "frame/ExitStatus.h"
#include "publish/CatalogueLint.h"
#include "publish/LintFetching.h"
#include "publish/LintReportText.h"
#include "publish/LintSource.h"
#include "publish/ListSigning.h"
#include "publish/PublicKeyChoice.h"
#include "trust/CatalogueSignature.h"
#include "trust/CatalogueTrust.h"
#include "trust/ImageDigest.h"
#include "trust/MinisignKey.h"
#include "update/AcceptedTimestamps.h"
#include "update/CatalogueFetch.h"
#include "update/RegularFile.h"
#include "update/UpdateMessages.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <algorithm>

namespace {

struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(LintCommand)
};

// What units would make of the list's signing time: against what they may have taken at the
// address a list file is published at (--catalogue) or lint read it from, the list published
// there and the newest this computer took; and against the clock. A bundle's list is the one
// published.
QList<LintFinding> earlierListFindings(const LintOptions &options, const LintSource &source,
                                       const QList<MinisignPublicKey> &keys,
                                       const Environment &environment, Downloader &downloader)
{
    if (!source.signedAt) {
        return {};
    }
    const qint64 now = QDateTime::currentSecsSinceEpoch();
    const QUrl argumentURL(options.arguments.value(0), QUrl::StrictMode);
    const bool readFromAddress = !webAddressProblem(argumentURL).has_value();
    if (!options.bundle.isEmpty() || (!readFromAddress && !options.catalogueGiven)) {
        return signingTimeFindings(*source.signedAt, {}, now);
    }
    EarlierLists earlier{readFromAddress ? argumentURL : options.listURL};
    QList<LintFinding> findings;
    if (!readFromAddress) {
        const PublishedList published = publishedList(earlier.address, keys, downloader);
        earlier.published = published.timestamp;
        if (!published.notCompared.isEmpty()) {
            findings.append({LintFinding::Severity::note, 0,
                             QLatin1String(FindingKind::signatureDates),
                             Texts::tr("not compared with the list published at %1: %2")
                                 .arg(earlier.address.toDisplayString(), published.notCompared)});
        }
    }
    earlier.recorded =
        AcceptedTimestamps(environment.firmwareFolder).newest(earlier.address, keys, now).timestamp;
    return findings + signingTimeFindings(*source.signedAt, earlier, now);
}

// What lint could not check, and why, so that a pass is never read as more than it is.
QList<LintFinding> uncheckedFindings(bool keyed, bool fetched)
{
    QList<LintFinding> findings;
    const QString kind = QStringLiteral("not-checked");
    if (!keyed) {
        findings.append({LintFinding::Severity::note, 0, kind,
                         Texts::tr("no key is in use, so the signature was not checked: "
                                   "name one with --public-key")});
    }
    if (!fetched) {
        findings.append({LintFinding::Severity::note, 0, kind,
                         Texts::tr("the images and notes were not fetched, so their "
                                   "addresses and digests were not checked: add --fetch")});
    }
    return findings;
}

} // namespace

int runLint(const LintOptions &options, Environment &environment, Console &console)
{
    // A bundle's list is reported by its file's name, where its line numbers can be looked up.
    const QString argument = options.bundle.isEmpty()
                                 ? options.arguments.at(0)
                                 : QDir(options.bundle).filePath(bundleListName);
    const KeyChoice key = chooseKey(options.publicKey, environment.catalogueTrust, console);
    if (key.status != exitSuccess) {
        return key.status;
    }
    Downloader downloader(options.bundle, environment.stop, console);
    const LintSource source =
        readLintSource(argument, options.listURL, key.keys, downloader, console);
    if (source.status != exitSuccess) {
        return source.status;
    }
    const bool keyed = !key.keys.isEmpty();
    LintOutcome outcome{lintCatalogue(source.bytes, keyed), source.refused};
    const QList<LintFinding> dated =
        earlierListFindings(options, source, key.keys, environment, downloader);
    // Units refuse a list older than one they took as they refuse a signature.
    outcome.refused |= std::any_of(dated.cbegin(), dated.cend(), [](const LintFinding &f) {
        return f.severity == LintFinding::Severity::error;
    });
    outcome.report.findings = source.signatureFindings + uncheckedFindings(keyed, options.fetch) +
                              dated + outcome.report.findings;
    if (options.fetch) {
        if (const int status = addFetchFindings(outcome, keyed, downloader);
            status != exitSuccess) {
            return status;
        }
    }
    if (options.json) {
        console.printJson(lintReportJson(argument, outcome.report));
    } else {
        console.print(lintReportText(argument, outcome.report));
    }
    return lintStatus(outcome);
}

namespace {

// With --bundle the list is the bundle's own, so none is named.
std::optional<QString> lintUsageProblem(const LintOptions &options)
{
    if (!options.bundle.isEmpty() && !options.arguments.isEmpty()) {
        return Texts::tr("lint --bundle checks the bundle's list and takes no FILE|URL.");
    }
    if (options.bundle.isEmpty() && options.arguments.isEmpty()) {
        return Texts::tr("lint takes FILE|URL, or --bundle DIR.");
    }
    return std::nullopt;
}

CommandRun readLint(const CommandLine &line)
{
    auto options = optionsOf<LintOptions>(line);
    options.json = line.isSet("json");
    options.fetch = line.isSet("fetch");
    options.publicKey = line.value("public-key");
    options.catalogueGiven = line.isSet("catalogue");
    std::optional<QString> problem = lintUsageProblem(options);
    return commandRun(std::move(problem), std::move(options), runLint);
}

} // namespace

CommandDeclaration lintCommand()
{
    return {
        .name = "lint",
        .options = {jsonOption(),
                    {QStringLiteral("fetch"),
                     Texts::tr("lint: also downloads every notes text and image and "
                               "checks them.")},
                    publicKeyOption()},
        .maxArguments = 1,
        .arguments = Completion::file,
        .usage = {{"lint [FILE|URL] [--fetch] [--public-key KEY] [--json]",
                   Texts::tr(
                       "checks a list file for its publisher;\nwith --bundle, the bundle's own")}},
        .read = readLint};
}
