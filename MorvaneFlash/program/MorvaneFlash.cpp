#include "program/MorvaneFlash.h"

#include "frame/ExitStatus.h"
#include "language/Translations.h"
#include "program/CommandTable.h"
#include "program/HelpText.h"
#include "program/OptionParsing.h"
#include "program/VersionText.h"

#include <QCommandLineParser>
#include <optional>

namespace {

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
    // What a script reads is the same in every language, errors included.
    std::optional<SourceTexts> forScripts;
    if (parser.isSet(QStringLiteral("json"))) {
        forScripts.emplace(SourceTexts::Scope::everyThread);
    }
    QStringList positional = parser.positionalArguments();
    const CommandDeclaration *command =
        positional.isEmpty() ? nullptr : findCommand(positional.first());
    if (parser.isSet(QStringLiteral("help")) && command == nullptr && !positional.isEmpty()) {
        return usageError(console,
                          QStringLiteral("unknown command \"%1\".").arg(positional.first()));
    }
    if (parser.isSet(QStringLiteral("help"))) {
        console.print(command != nullptr ? commandHelpText(*command, environment.listURL)
                                         : programHelpText(parser));
        return exitSuccess;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        if (parser.isSet(QStringLiteral("json"))) {
            console.printJsonLine(versionJson(environment));
            return exitSuccess;
        }
        console.print(versionText(environment));
        return exitSuccess;
    }

    if (positional.isEmpty()) {
        return usageError(console, QStringLiteral("no command given."));
    }
    const QString name = positional.takeFirst();
    if (command == nullptr) {
        return usageError(console, QStringLiteral("unknown command \"%1\".").arg(name));
    }
    const CommandRun read = readCommandLine(*command, parser, positional, environment.listURL);
    if (read.problem) {
        return usageError(console, *read.problem);
    }
    return read.run(environment, console);
}
