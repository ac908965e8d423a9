#pragma once

#include "frame/Console.h"
#include "frame/Environment.h"

#include <QCommandLineParser>
#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <functional>
#include <optional>
#include <utility>

// What a shell offers for an option's value or a command's arguments.
enum class Completion
{
    nothing,
    file,
    folder,
    // The hidraw device nodes there are now.
    device,
};

// One option a command takes, as --help and the shells' completions show it.
struct OptionDeclaration
{
    QString name;
    // Translated (see UsageLine::explanation).
    QString help;
    // Empty for an option that takes no value.
    QString valueName = {};
    Completion completion = Completion::nothing;
    // Given more than once, each adds.
    bool repeatable = false;
    // Read by the command, never shown: the parser's stand-ins.
    bool hidden = false;
};

// A command's line in the list that --help shows.
struct UsageLine
{
    // Its lines, separated by '\n', continue one form.
    const char *form = nullptr;
    // Its lines are separated by '\n'. Translated: the declarations are made each time they
    // are shown.
    QString explanation = {};
};

// What every command's options begin with: the arguments after its name, and where the
// catalogue is read from (--catalogue, and --bundle with the folder's name; empty for the web).
struct CommonOptions
{
    QStringList arguments;
    QUrl listURL;
    QString bundle;
};

// A parsed command line, for a command to read its own options from.
struct CommandLine
{
    const QCommandLineParser &parser;
    CommonOptions common;

    bool isSet(const char *name) const { return parser.isSet(QLatin1String(name)); }
    QString value(const char *name) const { return parser.value(QLatin1String(name)); }
    QStringList values(const char *name) const { return parser.values(QLatin1String(name)); }
};

// A command's options struct (deriving from CommonOptions) with the common part filled in.
template <typename Options> Options optionsOf(const CommandLine &line)
{
    Options options;
    static_cast<CommonOptions &>(options) = line.common;
    return options;
}

// A command line read by its command: why it is wrong, or the run it asks for.
struct CommandRun
{
    std::optional<QString> problem;
    std::function<int(Environment &, Console &)> run;
};

// `run` with `options`, unless reading them found `problem`.
template <typename Options>
CommandRun commandRun(std::optional<QString> problem, Options options,
                      int (*run)(const Options &, Environment &, Console &))
{
    if (problem) {
        return {std::move(problem), {}};
    }
    return {std::nullopt,
            [options = std::move(options), run](Environment &environment, Console &console) {
                return run(options, environment, console);
            }};
}

// One command: what its command line may hold, how --help and the shells show it, and how it
// reads its options (values first, then the rules that tie them together) into its own struct.
struct CommandDeclaration
{
    const char *name = nullptr;
    // In the order its --help lists them, after --catalogue and --bundle.
    QList<OptionDeclaration> options = {};
    qsizetype minArguments = 0;
    qsizetype maxArguments = 0;
    // The words its first argument is one of, when it names an action (bundle create).
    QStringList actions = {};
    // What a shell offers for its (next) argument.
    Completion arguments = Completion::nothing;
    QList<UsageLine> usage = {};
    // --catalogue and --bundle: every command reading the catalogue takes them.
    bool takesSource = true;
    // false: --catalogue alone, for a command that names a catalogue's address but reads no
    // bundle (sign, record).
    bool takesBundle = true;
    CommandRun (*read)(const CommandLine &) = nullptr;

    bool takes(const QString &option) const;
    // Whether it takes the program's source option `name` ("catalogue", "bundle").
    bool takesSourceOption(const QString &name) const;
};
