#include "MorvaneFlash.h"

#include "Commands.h"
#include "ExitStatus.h"
#include "bootloader/UsbIdentifier.h"

#include <QCommandLineParser>
#include <algorithm>
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
         .options = {QStringLiteral("json"), QStringLiteral("vid"), QStringLiteral("pid")},
         .usage = {{"devices [--json] [--vid V --pid P]",
                    "attached devices with the catalogue's ids (or these)"}},
         .run = runDevices},
        {.name = "flash",
         .options = {QStringLiteral("file"), QStringLiteral("vid"), QStringLiteral("pid"),
                     QStringLiteral("all-devices"), QStringLiteral("quiet")},
         .maxArguments = 2,
         .usage = {{"flash MODEL [VERSION]",
                    "downloads a version (the first listed by default)\nand flashes it"},
                   {"flash --file IMAGE --vid V --pid P", "flashes an image file"}},
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

// The "Commands:" part of --help, one usage line of the table after the other.
QString commandList()
{
    const QString indent(explanationColumn, QLatin1Char(' '));
    QString text;
    for (const Command &command : commands()) {
        for (const UsageLine &line : command.usage) {
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
    return QStringLiteral(
               "Flashes Morvane USB devices from the firmware catalogue, as the window does.\n"
               "\n"
               "Commands:\n") +
           commandList() +
           QStringLiteral(
               "\n"
               "With flash, --all-devices flashes every attached device with those ids at once.\n"
               "Ctrl-C stops a transfer at a report boundary and closes the device.");
}

QString exitStatusText()
{
    return QStringLiteral("Exit status:\n"
                          "  0    success\n"
                          "  1    usage\n"
                          "  2    catalogue or network failure (lint: the list has errors)\n"
                          "  3    device not found, or no permission\n"
                          "  4    transfer failed\n"
                          "  5    integrity or signature refused\n"
                          "  130  stopped with Ctrl-C\n");
}

// Every option, in the order --help lists them; the commands name them in the table.
QList<QCommandLineOption> programOptions(const QUrl &listURL)
{
    return {
        {{QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Shows this help.")},
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
        {QStringLiteral("fetch"),
         QStringLiteral("lint: also downloads every notes text and image and checks them.")},
        {QStringLiteral("public-key"),
         QStringLiteral("lint: checks the list's signature with this minisign public key."),
         QStringLiteral("KEY")},
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

std::optional<int64_t> usbIdOption(const QString &text)
{
    const std::optional<int64_t> id = parseUSBIdentifier(text.toStdString());
    if (!id || *id < 0 || *id > 0xFFFF) {
        return std::nullopt;
    }
    return id;
}

// Why `command` does not take the options named or this many arguments.
std::optional<QString> shapeProblem(const Command &command, const QStringList &optionNames,
                                    qsizetype argumentCount)
{
    for (const QString &option : optionNames) {
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

int usageError(Console &console, const QString &message)
{
    console.printError(QStringLiteral("morvane-flash: ") + message);
    console.printError(QStringLiteral("Try 'morvane-flash --help'."));
    return exitUsage;
}

} // namespace

int runMorvaneFlash(const QStringList &arguments, Environment &environment)
{
    Console console(environment.out, environment.err, environment.outIsTerminal);

    QCommandLineParser parser;
    setUpParser(parser, environment.listURL);
    if (!parser.parse(arguments)) {
        return usageError(console, parser.errorText());
    }
    if (parser.isSet(QStringLiteral("help"))) {
        console.print(helpText(parser));
        return exitSuccess;
    }

    QStringList positional = parser.positionalArguments();
    if (positional.isEmpty()) {
        return usageError(console, QStringLiteral("no command given."));
    }
    Invocation invocation;
    invocation.command = positional.takeFirst();
    invocation.arguments = positional;
    invocation.listURL = environment.listURL;
    const Command *command = findCommand(invocation.command);
    if (command == nullptr) {
        return usageError(console,
                          QStringLiteral("unknown command \"%1\".").arg(invocation.command));
    }
    if (const std::optional<QString> problem = commandLineProblem(*command, parser, invocation)) {
        return usageError(console, *problem);
    }
    return command->run(invocation, environment, console);
}
