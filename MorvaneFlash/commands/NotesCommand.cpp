#include "commands/NotesCommand.h"

#include "bundle/BundleLayout.h"
#include "commands/SharedOptions.h"
#include "frame/CatalogueChoice.h"
#include "frame/Downloader.h"
#include "frame/ExitStatus.h"
#include "trust/CatalogueTrust.h"
#include "update/CatalogueFetch.h"

#include <QCoreApplication>
#include <QJsonObject>

namespace {

struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(NotesCommand)
};

CommandRun readNotes(const CommandLine &line)
{
    NotesOptions options = optionsOf<NotesOptions>(line);
    options.json = line.isSet("json");
    return commandRun(std::nullopt, std::move(options), runNotes);
}

} // namespace

CommandDeclaration notesCommand()
{
    return {
        .name = "notes",
        .options = {jsonOption()},
        .minArguments = 2,
        .maxArguments = 2,
        .usage = {{"notes MODEL VERSION [--json]", Texts::tr("the release notes of a version")}},
        .read = readNotes};
}

int runNotes(const NotesOptions &options, Environment &environment, Console &console)
{
    const QString &model = options.arguments.at(0);
    const QString &version = options.arguments.at(1);
    Downloader downloader(options.bundle, environment.stop, console);
    const LoadedCatalogue catalogue =
        loadCatalogue(downloader, options.listURL, environment, console);
    if (catalogue.status != exitSuccess) {
        return catalogue.status;
    }
    const ChosenVersion chosen = chooseVersion(catalogue, model, version, console);
    if (!chosen.item) {
        return chosen.status;
    }
    // The rule list marks versions by, for the one file notes reads.
    if (!options.bundle.isEmpty() && !bundleHoldsFile(options.bundle, chosen.item->notesDigest)) {
        console.printError(Texts::tr("The bundle %1 lacks the release notes of %2 %3 (not in "
                                     "the bundle). Make the bundle again with this version "
                                     "where the catalogue can be reached.")
                               .arg(options.bundle, chosen.item->product, chosen.item->version));
        return exitCatalogue;
    }
    CatalogueFetch fetch(downloader.source(), environment.catalogueTrust, std::nullopt);
    std::optional<NotesReading> reading;
    QObject::connect(
        &fetch, &CatalogueFetch::notesFetched,
        [&reading](const FirmwareItem &, const NotesReading &fetched) { reading = fetched; });
    fetch.fetchNotes(*chosen.item);
    if (downloader.waitUntil(
            &fetch, &CatalogueFetch::notesFetched, [&reading] { return reading.has_value(); },
            [&fetch] { fetch.abort(Texts::tr("Stopped.")); })) {
        downloader.sayAbandoned(chosen.item->notesURL);
        return exitInterrupted;
    }
    if (!reading->notes) {
        console.printError(reading->failureLine);
        return reading->refusedByTrust ? exitIntegrity : exitCatalogue;
    }
    if (options.json) {
        console.printJsonLine({{QStringLiteral("model"), chosen.item->product},
                               {QStringLiteral("version"), chosen.item->version},
                               {QStringLiteral("notes"), *reading->notes}});
        return exitSuccess;
    }
    console.print(*reading->notes);
    return exitSuccess;
}
