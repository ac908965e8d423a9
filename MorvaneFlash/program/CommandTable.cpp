#include "program/CommandTable.h"

#include "commands/Commands.h"
#include "station/JournalSink.h"

#include <algorithm>
#include <limits>

namespace {

// An image file comes with the ids of the device to flash; a model brings its own. The options
// have been read by then, so an empty --file or a bad --vid never gets here.
std::optional<QString> flashUsageProblem(const Invocation &invocation)
{
    const bool fromFile = !invocation.file.isEmpty();
    if (fromFile != invocation.ids.has_value()) {
        return QStringLiteral(
            "flash --file needs --vid and --pid, and they are used only with --file.");
    }
    if (fromFile != invocation.arguments.isEmpty()) {
        return QStringLiteral(
            "flash takes either MODEL [VERSION] or --file IMAGE --vid V --pid P.");
    }
    if (!invocation.sha256.isEmpty() && !fromFile) {
        return QStringLiteral("--sha256 is used only with flash --file.");
    }
    if (invocation.watch &&
        (invocation.serial || invocation.path || invocation.wait || invocation.allDevices)) {
        return QStringLiteral("flash --watch flashes every matching device as it arrives; it "
                              "takes no --serial, --path, --wait or --all-devices.");
    }
    if (invocation.settle && !invocation.watch) {
        return QStringLiteral("--settle is used only with flash --watch.");
    }
    if (invocation.drainTimeout && !invocation.watch) {
        return QStringLiteral("--drain-timeout is used only with flash --watch.");
    }
    // A station's settings without a model would otherwise fail on the network, again and
    // again, as a catalogue that could not be fetched.
    if (!fromFile && invocation.arguments.at(0).trimmed().isEmpty()) {
        return QStringLiteral("flash: the model's name is empty (is MODEL set in the "
                              "station's settings?).");
    }
    if ((invocation.journal || !invocation.metrics.isEmpty()) && !invocation.watch) {
        return QStringLiteral("--journal and --metrics are used only with flash --watch.");
    }
    if (invocation.journal) {
        if (const std::optional<QString> unsupported = journalUnsupported()) {
            return QStringLiteral("--journal: ") + *unsupported;
        }
    }
    return std::nullopt;
}

std::optional<QString> signUsageProblem(const Invocation &invocation)
{
    if (invocation.secretKey.isEmpty()) {
        return QStringLiteral("sign needs --secret-key KEY, the minisign secret key file.");
    }
    return std::nullopt;
}

std::optional<QString> bundleUsageProblem(const Invocation &invocation)
{
    if (invocation.arguments.first() != QLatin1String("create")) {
        return QStringLiteral("bundle takes create DIR [MODEL [VERSION]]...");
    }
    return std::nullopt;
}

// With --bundle the list is the bundle's own, so none is named.
std::optional<QString> lintUsageProblem(const Invocation &invocation)
{
    if (!invocation.bundle.isEmpty() && !invocation.arguments.isEmpty()) {
        return QStringLiteral("lint --bundle checks the bundle's list and takes no FILE|URL.");
    }
    if (invocation.bundle.isEmpty() && invocation.arguments.isEmpty()) {
        return QStringLiteral("lint takes FILE|URL, or --bundle DIR.");
    }
    return std::nullopt;
}

} // namespace

const QList<Command> &commandTable()
{
    static const QList<Command> table = {
        {.name = "list",
         .options = {QStringLiteral("json")},
         .usage = {{"list [--json]", "the models and their versions, in catalogue order"}},
         .run = runList},
        {.name = "notes",
         .minArguments = 2,
         .maxArguments = 2,
         .usage = {{"notes MODEL VERSION", "the release notes of a version"}},
         .run = runNotes},
        {.name = "devices",
         .options = {QStringLiteral("json"), QStringLiteral("vid"), QStringLiteral("pid"),
                     QStringLiteral("watch"), QStringLiteral("port")},
         .usage = {{"devices [--json] [--watch] [--vid V --pid P]",
                    "attached devices with the catalogue's ids (or these);\nwith --watch, "
                    "their arrivals and departures"}},
         .run = runDevices},
        {.name = "flash",
         .options = {QStringLiteral("file"),
                     QStringLiteral("vid"),
                     QStringLiteral("pid"),
                     QStringLiteral("all-devices"),
                     QStringLiteral("quiet"),
                     QStringLiteral("json"),
                     QStringLiteral("serial"),
                     QStringLiteral("path"),
                     QStringLiteral("wait"),
                     QStringLiteral("watch"),
                     QStringLiteral("log"),
                     QStringLiteral("settle"),
                     QStringLiteral("ignore-battery"),
                     QStringLiteral("sha256"),
                     QStringLiteral("station"),
                     QStringLiteral("label"),
                     QStringLiteral("journal"),
                     QStringLiteral("metrics"),
                     QStringLiteral("port"),
                     QStringLiteral("drain-timeout")},
         .maxArguments = 2,
         .usage = {{"flash MODEL [VERSION]",
                    "downloads a version (the first listed by default)\nand flashes it"},
                   {"flash --file IMAGE --vid V --pid P [--sha256 HEX]",
                    "flashes an image file, checked against its digest"},
                   {"flash ... --watch [--log FILE] [--journal] [--metrics FILE]",
                    "flashes each matching device as it is plugged in,\nuntil stopped"}},
         .run = runFlash,
         .usageProblem = flashUsageProblem},
        {.name = "lint",
         .options = {QStringLiteral("fetch"), QStringLiteral("public-key"), QStringLiteral("json")},
         .maxArguments = 1,
         .usage = {{"lint [FILE|URL] [--fetch] [--public-key KEY] [--json]",
                    "checks a list file for its publisher;\nwith --bundle, the bundle's own"}},
         .run = runLint,
         .usageProblem = lintUsageProblem},
        {.name = "sign",
         .options = {QStringLiteral("secret-key"), QStringLiteral("expires"),
                     QStringLiteral("public-key")},
         .minArguments = 1,
         .maxArguments = 1,
         .usage = {{"sign FILE --secret-key KEY [--expires DAYS]",
                    "fills in a list's digests, signs it with\nminisign; writes nothing the "
                    "updater refuses"}},
         .run = runSign,
         .usageProblem = signUsageProblem},
        {.name = "bundle",
         .minArguments = 2,
         .maxArguments = std::numeric_limits<qsizetype>::max(),
         .usage = {{"bundle create DIR [MODEL [VERSION]]...",
                    "keeps the signed list and the chosen versions'\nimages and notes in DIR, "
                    "for --bundle DIR\nwithout a network (every version by default)"}},
         .run = runBundle,
         .usageProblem = bundleUsageProblem},
        {.name = "doctor",
         .options = {QStringLiteral("json"), QStringLiteral("root")},
         .usage = {{"doctor [--json]",
                    "checks what updating needs here: the udev rule,\ndevice access, the "
                    "catalogue, the clock, proxies\nand the data folder"}},
         .run = runDoctor},
    };
    return table;
}

const Command *findCommand(const QString &name)
{
    const auto found =
        std::find_if(commandTable().begin(), commandTable().end(),
                     [&](const Command &c) { return name == QLatin1String(c.name); });
    return found == commandTable().end() ? nullptr : &*found;
}
