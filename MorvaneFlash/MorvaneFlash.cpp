#include "MorvaneFlash.h"

#include "Commands.h"
#include "ExitStatus.h"
#include "bootloader/UsbIdentifier.h"

#include <QCommandLineParser>
#include <QSet>

namespace {

struct CommandRule
{
    const char *name;
    qsizetype minArguments;
    qsizetype maxArguments;
    QStringList options; // the options it takes besides --catalogue and --help
};

const QList<CommandRule> &commandRules()
{
    static const QList<CommandRule> rules = {
        {"list", 0, 0, {"json"}},
        {"notes", 2, 2, {}},
        {"devices", 0, 0, {"json", "vid", "pid"}},
        {"flash", 0, 2, {"file", "vid", "pid", "all-devices", "quiet"}},
        {"lint", 1, 1, {"fetch", "public-key", "json"}},
    };
    return rules;
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

QString description()
{
    return QStringLiteral(
        "Flashes Morvane USB devices from the firmware catalogue, as the window does.\n"
        "\n"
        "Commands:\n"
        "  list [--json]                  the models and their versions, in catalogue order\n"
        "  notes MODEL VERSION            the release notes of a version\n"
        "  devices [--json] [--vid V --pid P]\n"
        "                                 attached devices with the catalogue's ids (or these)\n"
        "  flash MODEL [VERSION]          downloads a version (the first listed by default)\n"
        "                                 and flashes it\n"
        "  flash --file IMAGE --vid V --pid P\n"
        "                                 flashes an image file\n"
        "  lint FILE|URL [--fetch] [--public-key KEY] [--json]\n"
        "                                 checks a list file for its publisher\n"
        "\n"
        "With flash, --all-devices flashes every attached device with those ids at once.\n"
        "Ctrl-C stops a transfer at a report boundary and closes the device.");
}

int usageError(Console &console, const QString &message)
{
    console.printError(QStringLiteral("morvane-flash: ") + message);
    console.printError(QStringLiteral("Try 'morvane-flash --help'."));
    return exitUsage;
}

std::optional<int64_t> usbIdOption(const QString &text)
{
    const std::optional<int64_t> id = parseUSBIdentifier(text.toStdString());
    if (!id || *id < 0 || *id > 0xFFFF) {
        return std::nullopt;
    }
    return id;
}

} // namespace

int runMorvaneFlash(const QStringList &arguments, Environment &environment)
{
    Console console(environment.out, environment.err, environment.outIsTerminal);

    QCommandLineParser parser;
    parser.setApplicationDescription(description());
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Shows this help."));
    const QCommandLineOption catalogue(
        QStringLiteral("catalogue"),
        QStringLiteral("The list file's address instead of the build's (%1).")
            .arg(environment.listURL.toString()),
        QStringLiteral("URL"));
    const QCommandLineOption json(QStringLiteral("json"), QStringLiteral("Prints JSON."));
    const QCommandLineOption vid(
        QStringLiteral("vid"), QStringLiteral("USB vendor id, hexadecimal."), QStringLiteral("V"));
    const QCommandLineOption pid(
        QStringLiteral("pid"), QStringLiteral("USB product id, hexadecimal."), QStringLiteral("P"));
    const QCommandLineOption file(QStringLiteral("file"),
                                  QStringLiteral("Flashes this image file instead of a download."),
                                  QStringLiteral("IMAGE"));
    const QCommandLineOption allDevices(
        QStringLiteral("all-devices"),
        QStringLiteral("Flashes every attached device with the ids, each on its own thread."));
    const QCommandLineOption quiet(QStringLiteral("quiet"),
                                   QStringLiteral("Prints only the outcome."));
    const QCommandLineOption fetch(
        QStringLiteral("fetch"),
        QStringLiteral("lint: also downloads every notes text and image and checks them."));
    const QCommandLineOption publicKey(
        QStringLiteral("public-key"),
        QStringLiteral("lint: checks the list's signature with this minisign public key."),
        QStringLiteral("KEY"));
    for (const QCommandLineOption &option :
         {help, catalogue, json, vid, pid, file, allDevices, quiet, fetch, publicKey}) {
        parser.addOption(option);
    }
    parser.addPositionalArgument(QStringLiteral("command"),
                                 QStringLiteral("list, notes, devices, flash or lint."),
                                 QStringLiteral("COMMAND [ARGUMENTS]"));

    if (!parser.parse(arguments)) {
        return usageError(console, parser.errorText());
    }
    if (parser.isSet(help)) {
        // The usage line names the program as it is installed, not as it was started.
        QString text = parser.helpText();
        text.replace(0, text.indexOf(QLatin1Char('\n')),
                     QStringLiteral("Usage: morvane-flash [options] COMMAND [ARGUMENTS]"));
        console.print(text + QLatin1Char('\n') + exitStatusText());
        return exitSuccess;
    }
    QStringList positional = parser.positionalArguments();
    if (positional.isEmpty()) {
        return usageError(console, QStringLiteral("no command given."));
    }

    Invocation invocation;
    invocation.command = positional.takeFirst();
    invocation.arguments = positional;
    const auto rule =
        std::find_if(commandRules().begin(), commandRules().end(), [&](const CommandRule &r) {
            return invocation.command == QLatin1String(r.name);
        });
    if (rule == commandRules().end()) {
        return usageError(console,
                          QStringLiteral("unknown command \"%1\".").arg(invocation.command));
    }
    for (const QString &name : parser.optionNames()) {
        const QString longName = name == QLatin1String("h") ? QStringLiteral("help") : name;
        if (longName != QLatin1String("catalogue") && !rule->options.contains(longName)) {
            return usageError(
                console,
                QStringLiteral("%1 does not take --%2.").arg(invocation.command, longName));
        }
    }
    if (invocation.arguments.size() < rule->minArguments ||
        invocation.arguments.size() > rule->maxArguments) {
        return usageError(
            console, QStringLiteral("wrong number of arguments for %1.").arg(invocation.command));
    }

    invocation.listURL = environment.listURL;
    if (parser.isSet(catalogue)) {
        invocation.listURL = QUrl(parser.value(catalogue), QUrl::StrictMode);
        if (!invocation.listURL.isValid() || invocation.listURL.isRelative()) {
            return usageError(console, QStringLiteral("--catalogue needs an absolute address."));
        }
    }
    invocation.json = parser.isSet(json);
    invocation.quiet = parser.isSet(quiet);
    invocation.allDevices = parser.isSet(allDevices);
    invocation.fetch = parser.isSet(fetch);
    invocation.file = parser.value(file);
    invocation.publicKey = parser.value(publicKey);
    if (parser.isSet(vid) != parser.isSet(pid)) {
        return usageError(console, QStringLiteral("--vid and --pid go together."));
    }
    if (parser.isSet(vid)) {
        invocation.vid = usbIdOption(parser.value(vid));
        invocation.pid = usbIdOption(parser.value(pid));
        if (!invocation.vid || !invocation.pid) {
            return usageError(console,
                              QStringLiteral("--vid and --pid take 1 to 4 hexadecimal digits."));
        }
    }
    if (parser.isSet(file) && invocation.file.isEmpty()) {
        return usageError(console, QStringLiteral("--file needs the name of an image file."));
    }
    if (invocation.command == QLatin1String("flash")) {
        const bool fromFile = parser.isSet(file);
        if (fromFile != parser.isSet(vid)) {
            return usageError(console, QStringLiteral("flash --file needs --vid and --pid, and "
                                                      "they are used only with --file."));
        }
        if (fromFile != invocation.arguments.isEmpty()) {
            return usageError(console, QStringLiteral("flash takes either MODEL [VERSION] or "
                                                      "--file IMAGE --vid V --pid P."));
        }
    }

    if (invocation.command == QLatin1String("list")) {
        return runList(invocation, environment, console);
    }
    if (invocation.command == QLatin1String("notes")) {
        return runNotes(invocation, environment, console);
    }
    if (invocation.command == QLatin1String("devices")) {
        return runDevices(invocation, environment, console);
    }
    if (invocation.command == QLatin1String("flash")) {
        return runFlash(invocation, environment, console);
    }
    return runLint(invocation, environment, console);
}
