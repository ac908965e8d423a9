#include "commands/DevicesCommand.h"

#include "commands/SharedOptions.h"
#include "flash/DeviceListing.h"
#include "frame/CatalogueChoice.h"
#include "frame/Downloader.h"
#include "frame/ExitStatus.h"

#include <QCoreApplication>

int runDevices(const DevicesOptions &options, Environment &environment, Console &console)
{
    std::vector<IdPair> pairs;
    if (options.ids) {
        pairs.push_back({*options.ids, {}});
    } else {
        Downloader downloader(options.bundle, environment.stop, console);
        const LoadedCatalogue catalogue =
            loadCatalogue(downloader, options.listURL, environment, console);
        if (catalogue.status != exitSuccess) {
            return catalogue.status;
        }
        pairs = catalogueIds(catalogue.items);
    }
    return options.watch
               ? watchDevices(pairs, environment, console, options.json, options.ports)
               : listDevices(pairs, environment.hid, console, options.json, options.ports);
}

namespace {

struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(DevicesCommand)
};

CommandRun readDevices(const CommandLine &line)
{
    auto options = optionsOf<DevicesOptions>(line);
    options.json = line.isSet("json");
    options.watch = line.isSet("watch");
    std::optional<QString> problem = readIds(line, options.ids);
    if (!problem) {
        problem = readPorts(line, options.ports);
    }
    return commandRun(std::move(problem), std::move(options), runDevices);
}

} // namespace

CommandDeclaration devicesCommand()
{
    return {
        .name = "devices",
        .options = {jsonOption(), vidOption(), pidOption(), watchOption(), portOption()},
        .usage = {{"devices [--json] [--watch] [--vid V --pid P]",
                   Texts::tr("attached devices with the catalogue's ids (or these);\nwith --watch, "
                             "their arrivals and departures")}},
        .read = readDevices};
}
