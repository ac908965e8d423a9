#include "commands/FlashCommand.h"

#include "commands/SharedOptions.h"
#include "flash/FileTarget.h"
#include "flash/FlashRecord.h"
#include "flash/FlashRun.h"
#include "frame/CatalogueChoice.h"
#include "frame/Downloader.h"
#include "frame/ExitStatus.h"
#include "station/BenchLog.h"
#include "station/FlashWatch.h"
#include "station/JournalSink.h"
#include "trust/ImageDigest.h"
#include "update/UpdateTarget.h"

#include <QCoreApplication>

namespace {

struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(FlashCommand)
};

// The version to flash: the one named, or the first listed as the window preselects.
int resolveCatalogueTarget(const FlashOptions &options, Environment &environment,
                           Downloader &downloader, Console &console, UpdateTarget &target)
{
    const LoadedCatalogue catalogue =
        loadCatalogue(downloader, options.listURL, environment, console);
    if (catalogue.status != exitSuccess) {
        return catalogue.status;
    }
    const ChosenVersion chosen = chooseVersion(
        catalogue, options.arguments.at(0),
        options.arguments.size() > 1 ? std::optional(options.arguments.at(1)) : std::nullopt,
        console);
    if (!chosen.item) {
        // "--wait 5" names version 5: the optional value is given only with "=".
        bool number = false;
        if (options.wait && !options.waitLimit && options.arguments.size() > 1) {
            options.arguments.at(1).toDouble(&number);
        }
        if (number && chosen.status == exitUsage) {
            console.printError(Texts::tr("To give up after %1 seconds of waiting, write "
                                         "--wait=%1: the seconds are joined by \"=\".")
                                   .arg(options.arguments.at(1)));
        }
        return chosen.status;
    }
    target = updateTargetOf(*chosen.item);
    target.listExpires = listExpiresOf(catalogue.signature);
    return exitSuccess;
}

// Refused before any device: under --json the stream still ends with a finished event, with
// the line said and the status.
int refusedBeforeAnyDevice(const FlashOptions &options, Console &console, int status)
{
    if (options.station.output.json && status != exitSuccess && status != exitInterrupted) {
        console.printJsonLine(refusedEvent(console.lastError(), status));
    }
    return status;
}

} // namespace

int runFlash(const FlashOptions &options, Environment &environment, Console &console)
{
    BenchLog log;
    if (!options.log.isEmpty()) {
        if (const std::optional<QString> problem = log.open(options.log)) {
            console.printError(Texts::tr("morvane-flash: cannot open the log: %1").arg(*problem));
            return refusedBeforeAnyDevice(options, console, exitUsage);
        }
    }
    Downloader downloader(options.bundle, environment.stop, console);
    UpdateTarget target;
    const int resolved =
        options.file.isEmpty()
            ? resolveCatalogueTarget(options, environment, downloader, console, target)
            : fileTarget({options.file, options.sha256, *options.ids}, environment, console,
                         target);
    if (resolved != exitSuccess) {
        return refusedBeforeAnyDevice(options, console, resolved);
    }
    if (options.watch) {
        return watchAndFlash(options.station, environment, console, downloader, log, target);
    }
    FlashRunSettings settings{
        options.station.output, options.allDevices, options.station.ignoreBattery, options.selector,
        options.wait,           options.waitLimit,  options.station.tags,          {}};
    if (log.isOpen()) {
        settings.record = [&log](const UnitRecord &record) {
            return log.append(logRecord(record));
        };
    }
    return flashTarget(settings, environment, console, downloader, target);
}

namespace {

// Seconds, decimals allowed, up to a week; nothing for anything else.
std::optional<std::chrono::milliseconds> durationOption(const QString &text, bool zeroAllowed)
{
    constexpr double week = 7 * 24 * 3600;
    bool ok = false;
    const double seconds = text.toDouble(&ok);
    if (!ok || !(seconds >= 0 && seconds <= week) || (seconds == 0 && !zeroAllowed)) {
        return std::nullopt;
    }
    return std::chrono::milliseconds(qint64(seconds * 1000 + 0.5));
}

// What is flashed, and on which devices.
std::optional<QString> readTargetOptions(const CommandLine &line, FlashOptions &options)
{
    options.file = line.value("file");
    if (auto problem = readIds(line, options.ids)) {
        return problem;
    }
    if (line.isSet("file") && options.file.isEmpty()) {
        return Texts::tr("--file needs the name of an image file.");
    }
    if (line.isSet("sha256")) {
        const QString text = line.value("sha256");
        options.sha256 = text.startsWith(digestPrefix, Qt::CaseInsensitive)
                             ? text
                             : digestPrefix.toString() + text;
        if (parseImageDigest(options.sha256).state != ImageDigest::State::valid) {
            return Texts::tr("--sha256 takes 64 hexadecimal digits.");
        }
    }
    options.allDevices = line.isSet("all-devices");
    options.watch = line.isSet("watch");
    options.wait = line.isSet("wait");
    if (line.isSet("wait-seconds")) {
        options.waitLimit = durationOption(line.value("wait-seconds"), false);
        if (!options.waitLimit) {
            return Texts::tr("--wait=SECONDS takes a number of seconds above 0.");
        }
    }
    if (line.isSet("serial")) {
        options.selector.serial = line.value("serial");
    }
    if (line.isSet("path")) {
        options.selector.path = line.value("path");
    }
    // A watch's ports are its station's, which takes no other selector; a single run's select.
    return readPorts(line, options.watch ? options.station.ports : options.selector.ports);
}

// How the run prints and what it records.
std::optional<QString> readStationOptions(const CommandLine &line, WatchSettings &station,
                                          QString &log)
{
    station.output = {line.isSet("json"), line.isSet("quiet")};
    station.ignoreBattery = line.isSet("ignore-battery");
    if (line.isSet("settle")) {
        station.settle = durationOption(line.value("settle"), true);
        if (!station.settle) {
            return Texts::tr("--settle takes a number of seconds, 0 or more.");
        }
    }
    if (line.isSet("drain-timeout")) {
        station.drainTimeout = durationOption(line.value("drain-timeout"), true);
        if (!station.drainTimeout) {
            return Texts::tr("--drain-timeout takes a number of seconds, 0 or more.");
        }
    }
    if (line.isSet("log")) {
        log = line.value("log");
        if (log.isEmpty()) {
            return Texts::tr("--log needs the name of a file.");
        }
    }
    if (line.isSet("station")) {
        station.tags.station = line.value("station");
        if (auto problem = stationProblem(station.tags.station)) {
            return problem;
        }
    }
    for (const QString &label : line.values("label")) {
        if (auto problem = addLabel(station.tags, label)) {
            return problem;
        }
    }
    station.journal = line.isSet("journal");
    if (line.isSet("metrics")) {
        station.metrics = line.value("metrics");
        // node_exporter's textfile collector reads no other name: a file it skips would leave
        // the station without metrics and nobody told.
        if (!station.metrics.endsWith(QLatin1String(".prom"))) {
            return Texts::tr("--metrics needs a file name ending in .prom, as node_exporter "
                             "reads them.");
        }
    }
    return std::nullopt;
}

// An image file comes with the ids of the device to flash; a model brings its own.
std::optional<QString> flashUsageProblem(const FlashOptions &options)
{
    const bool fromFile = !options.file.isEmpty();
    if (fromFile != options.ids.has_value()) {
        return Texts::tr("flash --file needs --vid and --pid, and they are used only with --file.");
    }
    if (fromFile != options.arguments.isEmpty()) {
        return Texts::tr("flash takes either MODEL [VERSION] or --file IMAGE --vid V --pid P.");
    }
    if (!options.sha256.isEmpty() && !fromFile) {
        return Texts::tr("--sha256 is used only with flash --file.");
    }
    if (options.watch && (!options.selector.isEmpty() || options.wait || options.allDevices)) {
        return Texts::tr("flash --watch flashes every matching device as it arrives; it "
                         "takes no --serial, --path, --wait or --all-devices.");
    }
    const WatchSettings &station = options.station;
    if (station.settle && !options.watch) {
        return Texts::tr("--settle is used only with flash --watch.");
    }
    if (station.drainTimeout && !options.watch) {
        return Texts::tr("--drain-timeout is used only with flash --watch.");
    }
    // A station's settings without a model would otherwise fail on the network, again and
    // again, as a catalogue that could not be fetched.
    if (!fromFile && options.arguments.at(0).trimmed().isEmpty()) {
        return Texts::tr("flash: the model's name is empty (is MODEL set in the "
                         "station's settings?).");
    }
    if ((station.journal || !station.metrics.isEmpty()) && !options.watch) {
        return Texts::tr("--journal and --metrics are used only with flash --watch.");
    }
    if (station.journal) {
        if (const std::optional<QString> unsupported = journalUnsupported()) {
            return Texts::tr("--journal: %1").arg(*unsupported);
        }
    }
    return std::nullopt;
}

CommandRun readFlash(const CommandLine &line)
{
    auto options = optionsOf<FlashOptions>(line);
    std::optional<QString> problem = readTargetOptions(line, options);
    if (!problem) {
        problem = readStationOptions(line, options.station, options.log);
    }
    if (!problem) {
        problem = flashUsageProblem(options);
    }
    return commandRun(std::move(problem), std::move(options), runFlash);
}

OptionDeclaration option(const char *name, const QString &help, const char *valueName = nullptr,
                         Completion completion = Completion::nothing)
{
    return {QLatin1String(name), help, valueName ? QLatin1String(valueName) : QString(),
            completion};
}

QList<OptionDeclaration> flashOptions()
{
    OptionDeclaration label =
        option("label",
               Texts::tr("flash: adds KEY=VALUE (an operator, a lot) to every log line, "
                         "journal entry and metric; repeatable."),
               "KEY=VALUE");
    label.repeatable = true;
    // --wait=SECONDS becomes --wait --wait-seconds SECONDS before parsing: the parser's
    // options take a value always or never.
    OptionDeclaration waitSeconds = option("wait-seconds", QString(), "SECONDS");
    waitSeconds.hidden = true;
    return {
        jsonOption(),
        vidOption(),
        pidOption(),
        option("file", Texts::tr("Flashes this image file instead of a download."), "IMAGE",
               Completion::file),
        option("sha256",
               Texts::tr(
                   "flash --file: the image's SHA-256, 64 hexadecimal digits; a file that does not "
                   "match is not flashed. A build with a catalogue key needs it."),
               "HEX"),
        option("all-devices",
               Texts::tr("Flashes every attached device with the ids, each on its own thread.")),
        option("ignore-battery",
               Texts::tr("Flashes even on a battery below 10% (by default refused).")),
        option("quiet", Texts::tr("Prints only the outcome.")),
        option("serial", Texts::tr("flash: only the device with this serial number."), "S"),
        option("path", Texts::tr("flash: only the device at this path."), "P", Completion::device),
        option("wait", Texts::tr("flash: waits for a matching device, downloading meanwhile; "
                                 "--wait=SECONDS gives up after that long.")),
        watchOption(),
        option("log",
               Texts::tr("flash: appends a JSON line for every device attempted to this file."),
               "FILE", Completion::file),
        option(
            "settle",
            Texts::tr(
                "flash --watch: seconds a flashed device has to come back, by its serial number or "
                "port, to be known again (default 5)."),
            "SECONDS"),
        option("station",
               Texts::tr("flash: names this bench in every log line, journal entry and metric."),
               "NAME"),
        label,
        option("journal",
               Texts::tr("flash --watch: sends each unit's record to the systemd journal.")),
        option(
            "metrics",
            Texts::tr(
                "flash --watch: keeps this node_exporter textfile (*.prom) of the units' counts."),
            "FILE", Completion::file),
        portOption(),
        option(
            "drain-timeout",
            Texts::tr(
                "flash --watch: how long the first stop signal lets the units in transfer finish "
                "(default: until they have)."),
            "SECONDS"),
        waitSeconds,
    };
}

} // namespace

CommandDeclaration flashCommand()
{
    return {
        .name = "flash",
        .options = flashOptions(),
        .maxArguments = 2,
        .usage = {{"flash MODEL [VERSION]",
                   Texts::tr("downloads a version (the first listed by default)\nand flashes it")},
                  {"flash --file IMAGE --vid V --pid P [--sha256 HEX]",
                   Texts::tr("flashes an image file, checked against its digest")},
                  {"flash ... --watch [--settle SECONDS] [--log FILE] [--journal]\n"
                   "[--metrics FILE] [--station NAME] [--label KEY=VALUE]...",
                   Texts::tr("flashes each matching device as it is plugged in,\nuntil stopped")}},
        .read = readFlash};
}
