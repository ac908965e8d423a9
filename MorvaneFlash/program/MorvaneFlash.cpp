#include "program/MorvaneFlash.h"

#include "frame/ExitStatus.h"
#include "language/Translations.h"
#include "program/CommandTable.h"
#include "program/HelpText.h"
#include "program/OptionParsing.h"
#include "program/VersionText.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <optional>

namespace {

struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(MorvaneFlash)
};

int usageError(Console &console, const QString &message)
{
    console.printError(QStringLiteral("morvane-flash: ") + message);
    console.printError(Texts::tr("Try 'morvane-flash --help'."));
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
        forScripts.emplace();
    }
    QStringList positional = parser.positionalArguments();
    const std::optional<CommandDeclaration> command =
        positional.isEmpty() ? std::nullopt : findCommand(positional.first());
    if (parser.isSet(QStringLiteral("help")) && !command && !positional.isEmpty()) {
        return usageError(console, Texts::tr("unknown command \"%1\".").arg(positional.first()));
    }
    if (parser.isSet(QStringLiteral("help"))) {
        console.print(command ? commandHelpText(*command, environment.listURL)
                              : programHelpText(environment.listURL));
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
        return usageError(console, Texts::tr("no command given."));
    }
    const QString name = positional.takeFirst();
    if (!command) {
        return usageError(console, Texts::tr("unknown command \"%1\".").arg(name));
    }
    const CommandRun read = readCommandLine(*command, parser, positional, environment.listURL);
    if (read.problem) {
        return usageError(console, *read.problem);
    }
    return read.run(environment, console);
}
