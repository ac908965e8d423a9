#include "program/MorvaneFlash.h"

#include "frame/ExitStatus.h"
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
    QStringList positional = parser.positionalArguments();
    const Command *command = positional.isEmpty() ? nullptr : findCommand(positional.first());
    if (parser.isSet(QStringLiteral("help"))) {
        console.print(command != nullptr ? commandHelpText(*command, environment.listURL)
                                         : programHelpText(parser));
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
