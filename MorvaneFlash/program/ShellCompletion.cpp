#include "program/ShellCompletion.h"

#include "program/CommandTable.h"
#include "program/ProgramOptions.h"

#include <QRegularExpression>
#include <QStringList>
#include <algorithm>
#include <optional>
#include <utility>

namespace {

const QString header = QStringLiteral(
    "completion for morvane-flash, made from its command table: its commands, and the options\n"
    "# each command takes. Models and versions are not offered: they are known only once the\n"
    "# catalogue is fetched.\n");

// The options `command` takes besides --help and --version, as a shell offers them.
QList<OptionDeclaration> offeredOptions(const CommandDeclaration &command)
{
    QList<OptionDeclaration> offered;
    for (const OptionDeclaration &option : globalOptions(QUrl())) {
        if (command.takesSourceOption(option.name)) {
            offered.append(option);
        }
    }
    for (const OptionDeclaration &option : command.options) {
        if (!option.hidden) {
            offered.append(option);
        }
    }
    return offered;
}

// --help and --version, which every command takes.
QList<OptionDeclaration> programOnlyOptions()
{
    QList<OptionDeclaration> options;
    for (const OptionDeclaration &option : globalOptions(QUrl())) {
        if (!sourceOptionNames().contains(option.name)) {
            options.append(option);
        }
    }
    return options;
}

// The part of an explanation that concerns `command`, as one short phrase without its asides:
// "flash: only the device at this path." is "only the device at this path" for flash.
QString phrase(const QString &help, const QString &command)
{
    const QStringList sentences = help.split(QStringLiteral(". "));
    QString chosen = sentences.first();
    for (const QString &sentence : sentences) {
        if (sentence.startsWith(command + QLatin1Char(':')) ||
            sentence.startsWith(command + QLatin1Char(' '))) {
            chosen = sentence;
            break;
        }
    }
    static const QRegularExpression commandsNamed(QStringLiteral("^[a-z][a-z, -]*: "));
    static const QRegularExpression aside(QStringLiteral(" \\([^)]*\\)"));
    chosen.remove(commandsNamed).remove(aside);
    if (chosen.endsWith(QLatin1Char('.'))) {
        chosen.chop(1);
    }
    // "Prints JSON" as "prints JSON", as the shells' lists write them; "USB vendor id" stays.
    if (chosen.size() > 1 && chosen.at(1).isLower()) {
        chosen[0] = chosen.at(0).toLower();
    }
    return chosen;
}

// What a command does, in the words of its first usage line.
QString summary(const CommandDeclaration &command)
{
    return QString(command.usage.first().explanation).replace(QLatin1Char('\n'), QLatin1Char(' '));
}

QStringList commandNameList()
{
    QStringList names;
    for (const CommandDeclaration &command : commandTable()) {
        names.append(QLatin1String(command.name));
    }
    return names;
}

// The options of every command whose values complete with `completion`, as a case pattern.
QString valuedPattern(std::optional<Completion> completion)
{
    QStringList names;
    for (const QList<OptionDeclaration> &options : {globalOptions(QUrl()), commandOptions()}) {
        for (const OptionDeclaration &option : options) {
            if (!option.valueName.isEmpty() && !option.hidden &&
                (!completion || option.completion == *completion)) {
                names.append(QStringLiteral("--") + option.name);
            }
        }
    }
    return names.join(QStringLiteral(" | "));
}

QString bashCompgen(Completion completion)
{
    if (completion == Completion::device) {
        return QStringLiteral("mapfile -t COMPREPLY < <(compgen -W \"$(shopt -s nullglob; echo "
                              "/dev/hidraw*)\" -- \"$cur\")\n");
    }
    return completion == Completion::folder
               ? QStringLiteral("compopt -o filenames 2>/dev/null\n"
                                "        mapfile -t COMPREPLY < <(compgen -d -- \"$cur\")\n")
               : QStringLiteral("compopt -o filenames 2>/dev/null\n"
                                "        mapfile -t COMPREPLY < <(compgen -f -- \"$cur\")\n");
}

// bash: an option already on the line is not offered again, unless it may be given more
// than once.
QString bashGivenOptions()
{
    QStringList repeatable;
    for (const QList<OptionDeclaration> &options : {globalOptions(QUrl()), commandOptions()}) {
        for (const OptionDeclaration &option : options) {
            if (option.repeatable && !repeatable.contains(QStringLiteral("--") + option.name)) {
                repeatable.append(QStringLiteral("--") + option.name);
            }
        }
    }
    return QStringLiteral("    local word\n"
                          "    for word in \"${COMP_WORDS[@]:1:COMP_CWORD-1}\"; do\n"
                          "        case $word in\n") +
           (repeatable.isEmpty()
                ? QString()
                : QStringLiteral("        %1) ;;\n").arg(repeatable.join(QStringLiteral(" | ")))) +
           QStringLiteral("        --*)\n"
                          "            options=\" $options \"\n"
                          "            options=${options/ ${word%%=*} / }\n"
                          "            ;;\n"
                          "        esac\n"
                          "    done\n");
}

// bash: each command's options, and what its arguments complete with.
QString bashCommandCases()
{
    QString cases;
    QString arguments;
    for (const CommandDeclaration &command : commandTable()) {
        QStringList names;
        for (const OptionDeclaration &option : offeredOptions(command)) {
            names.append(QStringLiteral("--") + option.name);
        }
        cases += QStringLiteral("    %1) options+=\" %2\" ;;\n")
                     .arg(QLatin1String(command.name), names.join(QLatin1Char(' ')));
        const QString is = QStringLiteral("[ \"$command\" = %1 ]").arg(QLatin1String(command.name));
        if (!command.actions.isEmpty()) {
            arguments +=
                QStringLiteral("    elif %1 && [ \"$prev\" = %2 ]; then\n"
                               "        mapfile -t COMPREPLY < <(compgen -W \"%3\" -- "
                               "\"$cur\")\n")
                    .arg(is, QLatin1String(command.name), command.actions.join(QLatin1Char(' ')));
        }
        if (command.arguments != Completion::nothing) {
            QString condition = is;
            for (const QString &action : command.actions) {
                condition += QStringLiteral(" && [ \"$prev\" = %1 ]").arg(action);
            }
            arguments += QStringLiteral("    elif %1; then\n        ").arg(condition) +
                         bashCompgen(command.arguments);
        }
    }
    return cases + QStringLiteral("    esac\n") + bashGivenOptions() +
           QStringLiteral("    if [[ $cur == -* ]]; then\n"
                          "        mapfile -t COMPREPLY < <(compgen -W \"$options\" -- "
                          "\"$cur\")\n") +
           arguments + QStringLiteral("    else\n        COMPREPLY=()\n    fi\n");
}

// bash: what the value after an option completes with.
QString bashValueCases()
{
    QString text = QStringLiteral("    case $prev in\n");
    for (const Completion completion :
         {Completion::nothing, Completion::folder, Completion::file, Completion::device}) {
        const QString pattern = valuedPattern(completion);
        if (pattern.isEmpty()) {
            continue;
        }
        text += QStringLiteral("    %1)\n        ").arg(pattern) +
                (completion == Completion::nothing ? QStringLiteral("COMPREPLY=()\n")
                                                   : bashCompgen(completion)) +
                QStringLiteral("        return\n        ;;\n");
    }
    return text + QStringLiteral("    esac\n\n");
}

QString zshQuoted(QString text)
{
    return text.replace(QLatin1Char('\''), QStringLiteral("'\\''"))
        .replace(QLatin1Char('['), QStringLiteral("\\["))
        .replace(QLatin1Char(']'), QStringLiteral("\\]"));
}

QString zshAction(Completion completion)
{
    switch (completion) {
    case Completion::file:
        return QStringLiteral("_files");
    case Completion::folder:
        return QStringLiteral("_files -/");
    case Completion::device:
        return QStringLiteral("{compadd - /dev/hidraw*(N)}");
    case Completion::nothing:
        break;
    }
    return QString();
}

// zsh: one option as _arguments takes it: its name, help, value and what completes it.
QString zshOption(const OptionDeclaration &option, const QString &command)
{
    QString argument = QStringLiteral("'%1--%2[%3]")
                           .arg(option.repeatable ? QStringLiteral("*") : QString(), option.name,
                                zshQuoted(phrase(option.help, command)));
    if (!option.valueName.isEmpty()) {
        argument += QLatin1Char(':') + zshQuoted(option.valueName.toLower()) + QLatin1Char(':') +
                    zshAction(option.completion);
    }
    return argument + QLatin1Char('\'');
}

// zsh: a command's options and arguments, as _arguments takes them.
QString zshArguments(const CommandDeclaration &command)
{
    QStringList words;
    if (!command.actions.isEmpty()) {
        words.append(QStringLiteral("':action:(%1)'").arg(command.actions.join(QLatin1Char(' '))));
    }
    if (command.arguments != Completion::nothing) {
        words.append(QStringLiteral("':argument:%1'").arg(zshAction(command.arguments)));
    }
    if (command.maxArguments > words.size()) {
        words.append(QStringLiteral("'*:argument:'"));
    }
    return words.join(QLatin1Char(' '));
}

QString fishQuoted(QString text)
{
    return QLatin1Char('\'') +
           text.replace(QLatin1Char('\\'), QStringLiteral("\\\\"))
               .replace(QLatin1Char('\''), QStringLiteral("\\'")) +
           QLatin1Char('\'');
}

QString fishValue(const OptionDeclaration &option)
{
    if (option.valueName.isEmpty()) {
        return QString();
    }
    switch (option.completion) {
    case Completion::file:
        return QStringLiteral(" -r -F");
    case Completion::folder:
        return QStringLiteral(" -x -a '(__fish_complete_directories)'");
    case Completion::device:
        return QStringLiteral(" -x -a '(ls /dev/hidraw* 2>/dev/null)'");
    case Completion::nothing:
        break;
    }
    return QStringLiteral(" -x");
}

// fish: one line per option and explanation, for the commands that take it so.
QString fishOptions()
{
    QList<std::pair<QString, QStringList>> lines;
    for (const CommandDeclaration &command : commandTable()) {
        for (const OptionDeclaration &option : offeredOptions(command)) {
            const QString name = QLatin1String(command.name);
            const QString line =
                QStringLiteral("-l %1%2 -d %3")
                    .arg(option.name, fishValue(option), fishQuoted(phrase(option.help, name)));
            auto known = std::find_if(lines.begin(), lines.end(),
                                      [&](const auto &l) { return l.first == line; });
            if (known == lines.end()) {
                lines.append({line, {name}});
            } else {
                known->second.append(name);
            }
        }
    }
    QString text;
    const QList<OptionDeclaration> options = commandOptions();
    for (const auto &[line, commands] : lines) {
        // An option given once is not offered again, unless it may be given more often.
        const QString name = line.section(QLatin1Char(' '), 1, 1);
        const bool repeatable =
            std::any_of(options.cbegin(), options.cend(),
                        [&](const OptionDeclaration &o) { return o.name == name && o.repeatable; });
        text += QStringLiteral("complete -c morvane-flash -n \"__fish_seen_subcommand_from %1%2\" ")
                    .arg(commands.join(QLatin1Char(' ')),
                         repeatable ? QString()
                                    : QStringLiteral("; and not __fish_contains_opt ") + name) +
                line + QLatin1Char('\n');
    }
    return text;
}

} // namespace

QString bashCompletion()
{
    return QStringLiteral("# bash ") + header +
           QStringLiteral("\n_morvane_flash()\n{\n"
                          "    local cur=${COMP_WORDS[COMP_CWORD]} "
                          "prev=${COMP_WORDS[COMP_CWORD - 1]}\n"
                          "    local command=\"\" i=1\n"
                          "    while [ \"$i\" -lt \"$COMP_CWORD\" ]; do\n"
                          "        case ${COMP_WORDS[i]} in\n"
                          "        %1) i=$((i + 1)) ;;\n"
                          "        -*) ;;\n"
                          "        *)\n"
                          "            command=${COMP_WORDS[i]}\n"
                          "            break\n"
                          "            ;;\n"
                          "        esac\n"
                          "        i=$((i + 1))\n"
                          "    done\n\n")
               .arg(valuedPattern(std::nullopt)) +
           bashValueCases() +
           QStringLiteral("    local options=\"--help --version\"\n"
                          "    case $command in\n"
                          "    \"\")\n"
                          "        if [[ $cur != -* ]]; then\n"
                          "            mapfile -t COMPREPLY < <(compgen -W \"%1\" -- \"$cur\")\n"
                          "            return\n"
                          "        fi\n"
                          "        options+=\" --catalogue --bundle\"\n"
                          "        ;;\n")
               .arg(commandNameList().join(QLatin1Char(' '))) +
           bashCommandCases() + QStringLiteral("}\ncomplete -F _morvane_flash morvane-flash\n");
}

QString zshCompletion()
{
    QString text = QStringLiteral("#compdef morvane-flash\n# zsh ") + header +
                   QStringLiteral("\nlocal curcontext=$curcontext state line ret=1\n"
                                  "local -a common catalogue\ncommon=(\n");
    for (const OptionDeclaration &option : programOnlyOptions()) {
        const QString names = option.name == QLatin1String("help") ? QStringLiteral("{-h,--help}")
                                                                   : QStringLiteral("--version");
        text += QStringLiteral("    '(- : *)'%1'[%2]'\n")
                    .arg(names, zshQuoted(phrase(option.help, QString())));
    }
    text += QStringLiteral(")\ncatalogue=(\n");
    for (const OptionDeclaration &option : globalOptions(QUrl())) {
        if (sourceOptionNames().contains(option.name)) {
            text += QStringLiteral("    ") + zshOption(option, QString()) + QLatin1Char('\n');
        }
    }
    text += QStringLiteral(")\n\n_arguments -C $common $catalogue ': :->command' '*:: :->argument' "
                           "&& ret=0\ncase $state in\ncommand)\n    local -a commands\n"
                           "    commands=(\n");
    for (const CommandDeclaration &command : commandTable()) {
        text += QStringLiteral("        '%1:%2'\n")
                    .arg(QLatin1String(command.name),
                         summary(command)
                             .replace(QLatin1Char('\''), QStringLiteral("'\\''"))
                             .replace(QLatin1Char(':'), QStringLiteral("\\:")));
    }
    text += QStringLiteral("    )\n    _describe -t commands 'morvane-flash command' commands "
                           "&& ret=0\n    ;;\nargument)\n"
                           "    curcontext=${curcontext%:*:*}:morvane-flash-$words[1]:\n"
                           "    case $words[1] in\n");
    for (const CommandDeclaration &command : commandTable()) {
        QStringList words = {QStringLiteral("$common")};
        for (const OptionDeclaration &option : command.options) {
            if (!option.hidden) {
                words.append(zshOption(option, QLatin1String(command.name)));
            }
        }
        if (const QString arguments = zshArguments(command); !arguments.isEmpty()) {
            words.append(arguments);
        }
        text += QStringLiteral("    %1)\n        _arguments %2%3 && ret=0\n        ;;\n")
                    .arg(QLatin1String(command.name),
                         !command.takesSource  ? QString()
                         : command.takesBundle ? QStringLiteral("$catalogue ")
                                               : QStringLiteral("\"${catalogue[1]}\" "),
                         words.join(QStringLiteral(" \\\n            ")));
    }
    return text + QStringLiteral("    esac\n    ;;\nesac\nreturn ret\n");
}

QString fishCompletion()
{
    const QString commands = commandNameList().join(QLatin1Char(' '));
    QString text =
        QStringLiteral("# fish ") + header +
        QStringLiteral("\nset -l commands %1\ncomplete -c morvane-flash -f\n\n").arg(commands);
    for (const CommandDeclaration &command : commandTable()) {
        text += QStringLiteral("complete -c morvane-flash -n \"not __fish_seen_subcommand_from "
                               "$commands\" -a %1 -d %2\n")
                    .arg(QLatin1String(command.name), fishQuoted(summary(command)));
    }
    text += QStringLiteral("complete -c morvane-flash -s h -l help -d 'Shows this help'\n"
                           "complete -c morvane-flash -l version -d %1\n")
                .arg(fishQuoted(phrase(programOnlyOptions().last().help, QString())));
    for (const OptionDeclaration &option : globalOptions(QUrl())) {
        if (sourceOptionNames().contains(option.name)) {
            text += QStringLiteral("complete -c morvane-flash -n \"not __fish_seen_subcommand_from "
                                   "$commands\" -l %1%2 -d %3\n")
                        .arg(option.name, fishValue(option),
                             fishQuoted(phrase(option.help, QString())));
        }
    }
    for (const CommandDeclaration &command : commandTable()) {
        const QString seen = QStringLiteral("__fish_seen_subcommand_from ");
        QString condition = seen + QLatin1String(command.name);
        for (const QString &action : command.actions) {
            text += QStringLiteral("complete -c morvane-flash -n \"%1; and not %2%3\" -a %3\n")
                        .arg(condition, seen, action);
        }
        if (!command.actions.isEmpty()) {
            condition = seen + command.actions.join(QLatin1Char(' '));
        }
        if (command.arguments != Completion::nothing) {
            text += QStringLiteral("complete -c morvane-flash -n \"%1\"").arg(condition) +
                    (command.arguments == Completion::file
                         ? QStringLiteral(" -F\n")
                         : QStringLiteral(" -a '(__fish_complete_directories)'\n"));
        }
    }
    return text + fishOptions();
}
