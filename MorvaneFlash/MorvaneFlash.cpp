#include "MorvaneFlash.h"

#include "Commands.h"
#include "ExitStatus.h"
#include "bootloader/UsbIdentifier.h"
#include "trust/CatalogueTrust.h"

#include <QCommandLineParser>
#include <algorithm>
#include <chrono>
#include <optional>

namespace {

using RunFunction = int (*)(const Invocation &, Environment &, Console &);

// A command's line in the list that --help shows.
struct UsageLine
{
    const char *form = nullptr;
    // Its lines are separated by '\n'.
    const char *explanation = nullptr;
};

// One subcommand: what its command line may hold, how --help lists it, and what runs it.
struct Command
{
    const char *name = nullptr;
    // The options it takes besides --catalogue; --help never reaches a command.
    QStringList options = {};
    qsizetype minArguments = 0;
    qsizetype maxArguments = 0;
    QList<UsageLine> usage = {};
    RunFunction run = nullptr;
    // Rules that tie options and arguments together, checked once each option has been read;
    // nothing when the command line keeps them.
    std::optional<QString> (*usageProblem)(const Invocation &) = nullptr;
};

// An image file comes with the ids of the device to flash; a model brings its own. The options
// have been read by then, so an empty --file or a bad --vid never gets here.
std::optional<QString> flashUsageProblem(const Invocation &invocation)
{
    const bool fromFile = !invocation.file.isEmpty();
    if (fromFile != invocation.vid.has_value()) {
        return QStringLiteral(
            "flash --file needs --vid and --pid, and they are used only with --file.");
    }
    if (fromFile != invocation.arguments.isEmpty()) {
        return QStringLiteral(
            "flash takes either MODEL [VERSION] or --file IMAGE --vid V --pid P.");
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

// In the order --help lists them.
const QList<Command> &commands()
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
                     QStringLiteral("watch"), QStringLiteral("log"), QStringLiteral("settle")},
         .maxArguments = 2,
         .usage = {{"flash MODEL [VERSION]",
                    "downloads a version (the first listed by default)\nand flashes it"},
                   {"flash --file IMAGE --vid V --pid P", "flashes an image file"},
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
    };
    return table;
}

const Command *findCommand(const QString &name)
{
    const auto found = std::find_if(commands().begin(), commands().end(), [&](const Command &c) {
        return name == QLatin1String(c.name);
    });
    return found == commands().end() ? nullptr : &*found;
}

// The column at which --help's explanations of the commands start.
constexpr qsizetype explanationColumn = 33;

// The usage lines of these commands, one after the other.
QString commandList(const QList<const Command *> &listed)
{
    const QString indent(explanationColumn, QLatin1Char(' '));
    QString text;
    for (const Command *command : listed) {
        for (const UsageLine &line : command->usage) {
            const QString form = QStringLiteral("  ") + QLatin1String(line.form);
            // A form that reaches the column puts its explanation on the lines below it.
            text += form.size() < explanationColumn ? form.leftJustified(explanationColumn)
                                                    : form + QLatin1Char('\n') + indent;
            text += QString::fromUtf8(line.explanation)
                        .replace(QLatin1Char('\n'), QLatin1Char('\n') + indent) +
                    QLatin1Char('\n');
        }
    }
    return text;
}

// "list, notes, devices, flash or lint."
QString commandNames()
{
    QStringList names;
    for (const Command &command : commands()) {
        names.append(QLatin1String(command.name));
    }
    const QString last = names.takeLast();
    return names.join(QStringLiteral(", ")) + QStringLiteral(" or ") + last + QLatin1Char('.');
}

QString description()
{
    QList<const Command *> all;
    for (const Command &command : commands()) {
        all.append(&command);
    }
    return QStringLiteral(
               "Flashes Morvane USB devices from the firmware catalogue, as the window does.\n"
               "\n"
               "Commands:\n") +
           commandList(all) +
           QStringLiteral("\n"
                          "With flash, --serial or --path chooses one of several devices, and\n"
                          "--all-devices flashes every attached device with those ids at once.\n"
                          "Ctrl-C, SIGTERM and SIGHUP stop a transfer at a report boundary and "
                          "close the device.\n"
                          "'morvane-flash COMMAND --help' shows the help of one command.");
}

QString exitStatusText()
{
    return QStringLiteral(
        "Exit status:\n"
        "  0    success\n"
        "  1    usage\n"
        "  2    catalogue or network failure (lint: the list could not be read)\n"
        "  3    device not found, or no permission\n"
        "  4    transfer failed\n"
        "  5    integrity or signature refused (lint: the signature or an image's digest)\n"
        "  6    lint: the list has errors\n"
        "  130  stopped with Ctrl-C (SIGINT); 143 with SIGTERM, 129 with SIGHUP\n");
}

QCommandLineOption hiddenOption(const QString &name, const QString &valueName)
{
    QCommandLineOption option(name, QString(), valueName);
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    return option;
}

// Every option, in the order --help lists them; the commands name them in the table.
QList<QCommandLineOption> programOptions(const QUrl &listURL)
{
    return {
        {{QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Shows this help.")},
        {QStringLiteral("version"),
         QStringLiteral("Shows the version, the build's catalogue address and its key.")},
        {QStringLiteral("catalogue"),
         QStringLiteral("The list file's address instead of the build's (%1).")
             .arg(listURL.toString()),
         QStringLiteral("URL")},
        {QStringLiteral("json"), QStringLiteral("Prints JSON.")},
        {QStringLiteral("vid"), QStringLiteral("USB vendor id, hexadecimal."), QStringLiteral("V")},
        {QStringLiteral("pid"), QStringLiteral("USB product id, hexadecimal."),
         QStringLiteral("P")},
        {QStringLiteral("file"), QStringLiteral("Flashes this image file instead of a download."),
         QStringLiteral("IMAGE")},
        {QStringLiteral("all-devices"),
         QStringLiteral("Flashes every attached device with the ids, each on its own thread.")},
        {QStringLiteral("quiet"), QStringLiteral("Prints only the outcome.")},
        {QStringLiteral("serial"),
         QStringLiteral("flash: only the device with this serial number."), QStringLiteral("S")},
        {QStringLiteral("path"), QStringLiteral("flash: only the device at this path."),
         QStringLiteral("P")},
        {QStringLiteral("wait"),
         QStringLiteral("flash: waits for a matching device, downloading meanwhile; "
                        "--wait=SECONDS gives up after that long.")},
        {QStringLiteral("watch"),
         QStringLiteral("devices: tells arrivals and departures until stopped. flash: flashes "
                        "every matching device as it is plugged in, until stopped.")},
        {QStringLiteral("log"),
         QStringLiteral("flash: appends a JSON line for every device attempted to this file."),
         QStringLiteral("FILE")},
        {QStringLiteral("settle"),
         QStringLiteral("flash --watch: seconds a flashed device without a serial number has to "
                        "come back on its port (default 5)."),
         QStringLiteral("SECONDS")},
        {QStringLiteral("fetch"),
         QStringLiteral("lint: also downloads every notes text and image and checks them.")},
        {QStringLiteral("public-key"),
         QStringLiteral("lint: checks the list's signature with this minisign public key."),
         QStringLiteral("KEY")},
        // --wait=SECONDS becomes --wait --wait-seconds SECONDS before parsing: the parser's
        // options take a value always or never.
        hiddenOption(QStringLiteral("wait-seconds"), QStringLiteral("SECONDS")),
    };
}

// One parser for all commands: which of its options a command takes is checked afterwards,
// so that a misplaced option gets a message of its own rather than the parser's.
void setUpParser(QCommandLineParser &parser, const QUrl &listURL)
{
    parser.setApplicationDescription(description());
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOptions(programOptions(listURL));
    parser.addPositionalArgument(QStringLiteral("command"), commandNames(),
                                 QStringLiteral("COMMAND [ARGUMENTS]"));
}

QString helpText(const QCommandLineParser &parser)
{
    // The usage line names the program as it is installed, not as it was started.
    QString text = parser.helpText();
    text.replace(0, text.indexOf(QLatin1Char('\n')),
                 QStringLiteral("Usage: morvane-flash [options] COMMAND [ARGUMENTS]"));
    return text + QLatin1Char('\n') + exitStatusText();
}

// The options `command` takes, --catalogue first, with their explanations wrapped at the words
// to stay within 80 columns, as --help's are.
QString optionList(const Command &command, const QUrl &listURL)
{
    QList<std::pair<QString, QString>> rows;
    qsizetype width = 0;
    for (const QCommandLineOption &option : programOptions(listURL)) {
        const QString name = option.names().constLast();
        if (name != u"catalogue" && !command.options.contains(name)) {
            continue;
        }
        QString form = QStringLiteral("  --") + name;
        if (!option.valueName().isEmpty()) {
            form += QStringLiteral(" <%1>").arg(option.valueName());
        }
        width = std::max(width, form.size());
        rows.append({form, option.description()});
    }
    constexpr qsizetype lineEnd = 79;
    const QString indent(width + 2, QLatin1Char(' '));
    QStringList lines;
    for (const auto &[form, explanation] : rows) {
        QString line = form.leftJustified(width + 2);
        for (const QString &word : explanation.split(QLatin1Char(' '))) {
            if (line.size() > indent.size() && line.size() + 1 + word.size() > lineEnd) {
                lines.append(line);
                line = indent;
            }
            line += (line.size() > indent.size() ? QStringLiteral(" ") : QString()) + word;
        }
        lines.append(line);
    }
    return lines.join(QLatin1Char('\n'));
}

// `COMMAND --help`: its usage lines and the options it takes.
QString commandHelpText(const Command &command, const QUrl &listURL)
{
    QStringList usage;
    for (const UsageLine &line : command.usage) {
        usage.append(QStringLiteral("morvane-flash [--catalogue URL] ") + QLatin1String(line.form));
    }
    return QStringLiteral("Usage: ") + usage.join(QStringLiteral("\n       ")) +
           QStringLiteral("\n\n") + commandList({&command}) + QStringLiteral("\nOptions:\n") +
           optionList(command, listURL);
}

// The program's version, the catalogue it reads unless told otherwise, and the key that list
// must be signed with.
QString versionText(const Environment &environment)
{
    const CatalogueTrust trust = catalogueTrustFromKey(environment.catalogueKey);
    QString key = QStringLiteral("no catalogue key");
    if (trust.key) {
        key = QStringLiteral("catalogue key ") + minisignKeyIdText(trust.key->keyId);
    } else if (trust.keyBuiltIn) {
        key = QStringLiteral("catalogue key unusable: ") + trust.keyError;
    }
    return QStringLiteral("morvane-flash " MORVANE_VERSION "\ncatalogue ") +
           environment.listURL.toString() + QLatin1Char('\n') + key;
}

std::optional<int64_t> usbIdOption(const QString &text)
{
    const std::optional<int64_t> id = parseUSBIdentifier(text.toStdString());
    if (!id || *id < 0 || *id > 0xFFFF) {
        return std::nullopt;
    }
    return id;
}

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

// Why `command` does not take the options named or this many arguments.
std::optional<QString> shapeProblem(const Command &command, const QStringList &optionNames,
                                    qsizetype argumentCount)
{
    for (const QString &option : optionNames) {
        // Always comes with --wait, which is checked instead.
        if (option == QLatin1String("wait-seconds")) {
            continue;
        }
        if (option != QLatin1String("catalogue") && !command.options.contains(option)) {
            return QStringLiteral("%1 does not take --%2.")
                .arg(QLatin1String(command.name), option);
        }
    }
    if (argumentCount < command.minArguments || argumentCount > command.maxArguments) {
        return QStringLiteral("wrong number of arguments for %1.").arg(QLatin1String(command.name));
    }
    return std::nullopt;
}

// Reads the options' values into `invocation`; the first value that is wrong stops it.
std::optional<QString> readOptions(const QCommandLineParser &parser, Invocation &invocation)
{
    const auto isSet = [&](const char *name) {
        return parser.isSet(QLatin1String(name));
    };
    const auto value = [&](const char *name) {
        return parser.value(QLatin1String(name));
    };
    if (isSet("catalogue")) {
        invocation.listURL = QUrl(value("catalogue"), QUrl::StrictMode);
        if (!invocation.listURL.isValid() || invocation.listURL.isRelative()) {
            return QStringLiteral("--catalogue needs an absolute address.");
        }
    }
    invocation.json = isSet("json");
    invocation.quiet = isSet("quiet");
    invocation.allDevices = isSet("all-devices");
    invocation.fetch = isSet("fetch");
    invocation.file = value("file");
    invocation.publicKey = value("public-key");
    if (isSet("vid") != isSet("pid")) {
        return QStringLiteral("--vid and --pid go together.");
    }
    if (isSet("vid")) {
        invocation.vid = usbIdOption(value("vid"));
        invocation.pid = usbIdOption(value("pid"));
        if (!invocation.vid || !invocation.pid) {
            return QStringLiteral("--vid and --pid take 1 to 4 hexadecimal digits.");
        }
    }
    if (isSet("file") && invocation.file.isEmpty()) {
        return QStringLiteral("--file needs the name of an image file.");
    }
    invocation.watch = isSet("watch");
    invocation.wait = isSet("wait");
    if (isSet("wait-seconds")) {
        invocation.waitLimit = durationOption(value("wait-seconds"), false);
        if (!invocation.waitLimit) {
            return QStringLiteral("--wait=SECONDS takes a number of seconds above 0.");
        }
    }
    if (isSet("settle")) {
        invocation.settle = durationOption(value("settle"), true);
        if (!invocation.settle) {
            return QStringLiteral("--settle takes a number of seconds, 0 or more.");
        }
    }
    if (isSet("serial")) {
        invocation.serial = value("serial");
    }
    if (isSet("path")) {
        invocation.path = value("path");
    }
    if (isSet("log")) {
        invocation.log = value("log");
        if (invocation.log.isEmpty()) {
            return QStringLiteral("--log needs the name of a file.");
        }
    }
    return std::nullopt;
}

// The checks in the order the messages promise: a command's options and argument count
// before any option's value, and the rules between them last.
std::optional<QString> commandLineProblem(const Command &command, const QCommandLineParser &parser,
                                          Invocation &invocation)
{
    if (auto problem = shapeProblem(command, parser.optionNames(), invocation.arguments.size())) {
        return problem;
    }
    if (auto problem = readOptions(parser, invocation)) {
        return problem;
    }
    return command.usageProblem ? command.usageProblem(invocation) : std::nullopt;
}

// "--wait=2.5" as "--wait --wait-seconds 2.5", so that --wait alone still takes no value.
QStringList withWaitSeconds(const QStringList &arguments)
{
    QStringList rewritten;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (argument == QLatin1String("--")) {
            rewritten += arguments.mid(i);
            break;
        }
        if (argument.startsWith(QLatin1String("--wait="))) {
            rewritten << QStringLiteral("--wait") << QStringLiteral("--wait-seconds")
                      << argument.mid(7);
        } else {
            rewritten << argument;
        }
    }
    return rewritten;
}

int usageError(Console &console, const QString &message)
{
    console.printError(QStringLiteral("morvane-flash: ") + message);
    console.printError(QStringLiteral("Try 'morvane-flash --help'."));
    return exitUsage;
}

} // namespace

int runMorvaneFlash(const QStringList &arguments, Environment &environment)
{
    Console console(environment.out, environment.err, environment.outTakesControlCodes);

    QCommandLineParser parser;
    setUpParser(parser, environment.listURL);
    if (!parser.parse(withWaitSeconds(arguments))) {
        return usageError(console, parser.errorText());
    }
    QStringList positional = parser.positionalArguments();
    const Command *command = positional.isEmpty() ? nullptr : findCommand(positional.first());
    if (parser.isSet(QStringLiteral("help"))) {
        console.print(command != nullptr ? commandHelpText(*command, environment.listURL)
                                         : helpText(parser));
        return exitSuccess;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        console.print(versionText(environment));
        return exitSuccess;
    }

    if (positional.isEmpty()) {
        return usageError(console, QStringLiteral("no command given."));
    }
    Invocation invocation;
    invocation.command = positional.takeFirst();
    invocation.arguments = positional;
    invocation.listURL = environment.listURL;
    if (command == nullptr) {
        return usageError(console,
                          QStringLiteral("unknown command \"%1\".").arg(invocation.command));
    }
    if (const std::optional<QString> problem = commandLineProblem(*command, parser, invocation)) {
        return usageError(console, *problem);
    }
    return command->run(invocation, environment, console);
}
