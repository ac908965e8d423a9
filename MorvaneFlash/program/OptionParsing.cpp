#include "program/OptionParsing.h"

#include "program/ProgramOptions.h"

#include <QCoreApplication>

namespace {

struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(OptionParsing)
};

// Why `command` does not take the options named or this many arguments.
std::optional<QString> shapeProblem(const CommandDeclaration &command,
                                    const QStringList &optionNames, qsizetype argumentCount)
{
    for (const QString &option : optionNames) {
        const bool global = command.takesSourceOption(option);
        if (!global && !command.takes(option)) {
            return Texts::tr("%1 does not take --%2.").arg(QLatin1String(command.name), option);
        }
    }
    if (argumentCount < command.minArguments || argumentCount > command.maxArguments) {
        return Texts::tr("wrong number of arguments for %1.").arg(QLatin1String(command.name));
    }
    return std::nullopt;
}

// --catalogue and --bundle into `common`; the first value that is wrong stops it.
std::optional<QString> readSourceOptions(const QCommandLineParser &parser, CommonOptions &common)
{
    if (parser.isSet(QStringLiteral("catalogue"))) {
        common.listURL = QUrl(parser.value(QStringLiteral("catalogue")), QUrl::StrictMode);
        if (!common.listURL.isValid() || common.listURL.isRelative()) {
            return Texts::tr("--catalogue needs an absolute address.");
        }
    }
    if (parser.isSet(QStringLiteral("bundle"))) {
        common.bundle = parser.value(QStringLiteral("bundle"));
        if (common.bundle.isEmpty()) {
            return Texts::tr("--bundle needs the name of a folder.");
        }
    }
    return std::nullopt;
}

} // namespace

void setUpParser(QCommandLineParser &parser, const QUrl &listURL)
{
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const QList<OptionDeclaration> &options : {globalOptions(listURL), commandOptions()}) {
        for (const OptionDeclaration &option : options) {
            parser.addOption(parserOption(option));
        }
    }
}

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

CommandRun readCommandLine(const CommandDeclaration &command, const QCommandLineParser &parser,
                           const QStringList &arguments, const QUrl &listURL)
{
    if (auto problem = shapeProblem(command, parser.optionNames(), arguments.size())) {
        return {problem, {}};
    }
    CommonOptions common{arguments, listURL, QString()};
    if (auto problem = readSourceOptions(parser, common)) {
        return {problem, {}};
    }
    return command.read(CommandLine{parser, std::move(common)});
}
