#include "commands/BundleCommand.h"

#include "bundle/BundleLayout.h"
#include "bundle/BundleWriter.h"
#include "catalogue/ModelIndex.h"
#include "catalogue/UnicodeText.h"
#include "commands/SharedOptions.h"
#include "frame/CatalogueChoice.h"
#include "frame/Downloader.h"
#include "frame/ExitStatus.h"
#include "trust/CatalogueTrust.h"
#include "trust/ImageDigest.h"
#include "update/FirmwareStore.h"
#include "update/FolderFile.h"
#include "update/UpdateMessages.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QJsonArray>
#include <QJsonObject>
#include <QSet>
#include <algorithm>
#include <limits>
#include <utility>

namespace {

struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(BundleCommand)
};

int statusOf(const BundleWriter::Step &step)
{
    switch (step.failure) {
    case BundleWriter::Step::Failure::none:
        return exitSuccess;
    case BundleWriter::Step::Failure::unavailable:
        return exitCatalogue;
    case BundleWriter::Step::Failure::refused:
        return exitIntegrity;
    case BundleWriter::Step::Failure::unwritable:
        break;
    }
    // A folder that cannot be written is a file that cannot be written, as elsewhere.
    return exitCatalogue;
}

// The exit status of `step`; a failure is said.
int said(const BundleWriter::Step &step, Console &console)
{
    if (!step.succeeded()) {
        console.printError(step.message);
    }
    return statusOf(step);
}

// Fetches, checks and keeps every file of the chosen versions. The exit status; a failure has
// been said.
int fetchInto(BundleWriter &writer, const QList<FirmwareItem> &chosen, Downloader &downloader,
              Console &console, QJsonArray &bundled, bool json)
{
    for (const FirmwareItem &item : chosen) {
        for (const DownloadKind kind : {DownloadKind::image, DownloadKind::notes}) {
            if (!writer.needs(item, kind)) {
                continue;
            }
            const bool image = kind == DownloadKind::image;
            const Downloader::Answer answer =
                downloader.get(image ? item.firmwareURL.toUrl() : item.notesURL.toUrl(), kind,
                               parseImageDigest(image ? item.digest : item.notesDigest).sha256);
            if (answer.stopped) {
                return exitInterrupted;
            }
            if (const int status = said(writer.keep(item, kind, answer.result), console)) {
                return status;
            }
        }
        bundled.append(QJsonObject{{QStringLiteral("model"), item.product},
                                   {QStringLiteral("version"), item.version}});
        if (!json) {
            console.print(Texts::tr("Bundled %1 %2.").arg(item.product, item.version));
        }
    }
    return exitSuccess;
}

// Every version that cannot be bundled is named before anything is fetched or written.
int bundleRefusals(const QList<FirmwareItem> &chosen, Console &console)
{
    int status = exitSuccess;
    for (const FirmwareItem &item : chosen) {
        if (const std::optional<QString> refusal = bundleRefusal(item)) {
            console.printError(*refusal);
            status = exitIntegrity;
        }
    }
    return status;
}

int bundleInto(const BundleOptions &options, Environment &environment, Console &console,
               QJsonArray &bundled)
{
    const QString &folder = options.arguments.at(1);
    if (!mayUseBundles(environment, console)) {
        return exitIntegrity;
    }
    Downloader downloader(options.bundle, environment.stop, console);
    const LoadedCatalogue catalogue =
        loadCatalogue(downloader, options.listURL, environment, console);
    if (catalogue.status != exitSuccess) {
        return catalogue.status;
    }
    int status = exitSuccess;
    const std::optional<QList<FirmwareItem>> chosen =
        chosenVersions(catalogue, options.arguments.mid(2), status, console);
    if (!chosen) {
        return status;
    }
    if (const int refused = bundleRefusals(*chosen, console)) {
        return refused;
    }
    BundleWriter writer(folder);
    status = said(writer.begin(), console);
    if (status == exitSuccess) {
        status = fetchInto(writer, *chosen, downloader, console, bundled, options.json);
    }
    if (status == exitSuccess) {
        const QByteArray readme = terminalSafe(bundleReadme(options.listURL, *chosen)).toUtf8();
        status = said(writer.finish(options.listURL, catalogue.list, catalogue.signature, readme),
                      console);
    }
    if (status != exitSuccess) {
        console.printError(Texts::tr("The bundle in %1 is not complete; it is not read until "
                                     "bundle create finishes.")
                               .arg(folder));
        return status;
    }
    if (!options.json) {
        console.print(
            Texts::tr("The bundle in %1 holds %n version(s) of %2.", nullptr, int(chosen->size()))
                .arg(folder, options.listURL.toDisplayString()));
    }
    return exitSuccess;
}

} // namespace

int runBundle(const BundleOptions &options, Environment &environment, Console &console)
{
    QJsonArray bundled;
    const int status = bundleInto(options, environment, console, bundled);
    if (options.json) {
        console.printJsonLine({{QStringLiteral("folder"), options.arguments.at(1)},
                               {QStringLiteral("catalogue"), options.listURL.toString()},
                               {QStringLiteral("versions"), bundled},
                               {QStringLiteral("status"), status}});
    }
    return status;
}

namespace {

CommandRun readBundle(const CommandLine &line)
{
    auto options = optionsOf<BundleOptions>(line);
    options.json = line.isSet("json");
    std::optional<QString> problem;
    if (options.arguments.first() != QLatin1String("create")) {
        problem = Texts::tr("bundle takes create DIR [MODEL [VERSION]]...");
    }
    return commandRun(std::move(problem), std::move(options), runBundle);
}

} // namespace

CommandDeclaration bundleCommand()
{
    return {
        .name = "bundle",
        .options = {jsonOption()},
        .minArguments = 2,
        .maxArguments = std::numeric_limits<qsizetype>::max(),
        .actions = {QStringLiteral("create")},
        .arguments = Completion::folder,
        .usage = {{"bundle create DIR [MODEL [VERSION]]... [--json]",
                   Texts::tr(
                       "keeps the signed list and the chosen versions'\nimages and notes in DIR, "
                       "for --bundle DIR\nwithout a network (every version by default)")}},
        .read = readBundle};
}
