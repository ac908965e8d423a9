#include "CommandTable.h"

#include "Commands.h"

#include <algorithm>

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
                     QStringLiteral("watch")},
         .usage = {{"devices [--json] [--watch] [--vid V --pid P]",
                    "attached devices with the catalogue's ids (or these);\nwith --watch, "
                    "their arrivals and departures"}},
         .run = runDevices},
        {.name = "flash",
         .options = {QStringLiteral("file"), QStringLiteral("vid"), QStringLiteral("pid"),
                     QStringLiteral("all-devices"), QStringLiteral("quiet"), QStringLiteral("json"),
                     QStringLiteral("serial"), QStringLiteral("path"), QStringLiteral("wait"),
                     QStringLiteral("watch"), QStringLiteral("log"), QStringLiteral("settle"),
                     QStringLiteral("ignore-battery"), QStringLiteral("sha256")},
         .maxArguments = 2,
         .usage = {{"flash MODEL [VERSION]",
                    "downloads a version (the first listed by default)\nand flashes it"},
                   {"flash --file IMAGE --vid V --pid P [--sha256 HEX]",
                    "flashes an image file, checked against its digest"},
                   {"flash ... --watch [--log FILE]",
                    "flashes each matching device as it is plugged in,\nuntil stopped"}},
         .run = runFlash,
         .usageProblem = flashUsageProblem},
        {.name = "lint",
         .options = {QStringLiteral("fetch"), QStringLiteral("public-key"), QStringLiteral("json")},
         .minArguments = 1,
         .maxArguments = 1,
         .usage = {{"lint FILE|URL [--fetch] [--public-key KEY] [--json]",
                    "checks a list file for its publisher"}},
         .run = runLint},
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
