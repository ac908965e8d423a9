#include "program/HelpText.h"

#include "program/ProgramOptions.h"

#include <algorithm>
#include <utility>

namespace {

// The column at which --help's explanations of the commands start.
constexpr qsizetype explanationColumn = 33;

// The usage lines of these commands, one after the other.
QString commandList(const QList<const CommandDeclaration *> &listed)
{
    const QString indent(explanationColumn, QLatin1Char(' '));
    QString text;
    for (const CommandDeclaration *command : listed) {
        for (const UsageLine &line : command->usage) {
            // A form's further lines are indented under its first.
            const QString form =
                QStringLiteral("  ") +
                QString::fromUtf8(line.form).replace(QLatin1Char('\n'), QStringLiteral("\n      "));
            // A form that reaches the column, or has several lines, puts its explanation on the
            // lines below it.
            text += form.size() < explanationColumn && !form.contains(QLatin1Char('\n'))
                        ? form.leftJustified(explanationColumn)
                        : form + QLatin1Char('\n') + indent;
            text += QString::fromUtf8(line.explanation)
                        .replace(QLatin1Char('\n'), QLatin1Char('\n') + indent) +
                    QLatin1Char('\n');
        }
    }
    return text;
}

QString exitStatusText()
{
    return QStringLiteral(
        "Exit status:\n"
        "  0    success\n"
        "  1    usage\n"
        "  2    catalogue or network failure (lint, sign: the list could not be read)\n"
        "  3    device not found, or no permission\n"
        "  4    transfer failed\n"
        "  5    integrity or signature refused (lint, sign: the signature or a digest)\n"
        "  6    lint, sign: the list has errors; sign: it would be dated backwards\n"
        "  7    sign: minisign is missing or failed\n"
        "  130  stopped with Ctrl-C (SIGINT); 143 with SIGTERM, 129 with SIGHUP\n"
        "doctor gives the status of its first failing check.\n");
}

// The options `command` takes, the global ones first, with their explanations wrapped at the words
// to stay within 80 columns, as --help's are.
QString optionList(const CommandDeclaration &command, const QUrl &listURL)
{
    QList<OptionDeclaration> options;
    for (const OptionDeclaration &option : globalOptions(listURL)) {
        if (command.takesSourceOption(option.name)) {
            options.append(option);
        }
    }
    options += command.options;
    QList<std::pair<QString, QString>> rows;
    qsizetype width = 0;
    for (const OptionDeclaration &option : options) {
        if (option.hidden) {
            continue;
        }
        QString form = QStringLiteral("  --") + option.name;
        if (!option.valueName.isEmpty()) {
            form += QStringLiteral(" <%1>").arg(option.valueName);
        }
        width = std::max(width, form.size());
        rows.append({form, option.help});
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

} // namespace

QString commandNames()
{
    QStringList names;
    for (const CommandDeclaration &command : commandTable()) {
        names.append(QLatin1String(command.name));
    }
    const QString last = names.takeLast();
    return names.join(QStringLiteral(", ")) + QStringLiteral(" or ") + last + QLatin1Char('.');
}

QString programDescription()
{
    QList<const CommandDeclaration *> all;
    for (const CommandDeclaration &command : commandTable()) {
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
                          "--bundle DIR reads everything from a folder that bundle create wrote,\n"
                          "checked as a download is, and nothing from the network.\n"
                          "Ctrl-C, SIGTERM and SIGHUP stop a transfer at a report boundary and "
                          "close the device.\n"
                          "'morvane-flash COMMAND --help' shows the help of one command.");
}

QString programHelpText(const QCommandLineParser &parser)
{
    // The usage line names the program as it is installed, not as it was started.
    QString text = parser.helpText();
    text.replace(0, text.indexOf(QLatin1Char('\n')),
                 QStringLiteral("Usage: morvane-flash [options] COMMAND [ARGUMENTS]"));
    return text + QLatin1Char('\n') + exitStatusText();
}

QString commandHelpText(const CommandDeclaration &command, const QUrl &listURL)
{
    const QString program = !command.takesSource ? QStringLiteral("morvane-flash ")
                            : command.takesBundle
                                ? QStringLiteral("morvane-flash [--catalogue URL] [--bundle DIR] ")
                                : QStringLiteral("morvane-flash [--catalogue URL] ");
    QStringList usage;
    for (const UsageLine &line : command.usage) {
        // A form's further lines are indented under the first's program name.
        usage.append(program + QString::fromUtf8(line.form).replace(
                                   QLatin1Char('\n'), QStringLiteral("\n           ")));
    }
    return QStringLiteral("Usage: ") + usage.join(QStringLiteral("\n       ")) +
           QStringLiteral("\n\n") + commandList({&command}) + QStringLiteral("\nOptions:\n") +
           optionList(command, listURL);
}
