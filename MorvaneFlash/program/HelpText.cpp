#include "program/HelpText.h"

#include "frame/TerminalColumns.h"
#include "program/CommandTable.h"
#include "program/ProgramOptions.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <algorithm>
#include <utility>

namespace {

struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(HelpText)
};

// The column at which --help's explanations of the commands start.
constexpr qsizetype explanationColumn = 33;
// The columns the option lists keep within, as Qt's parser does.
constexpr qsizetype optionLineEnd = 79;
// The columns the lines broken by hand keep within: the widest of them in English. A
// translation's longer line wraps there.
constexpr qsizetype handBrokenLineEnd = 86;

// Each line of `text` wrapped to `width` columns (`laterWidth` for a line it wraps onto), the
// lines after the first indented by `indent` columns.
QString wrappedLines(const QString &text, qsizetype width, qsizetype indent,
                     qsizetype laterWidth = -1)
{
    QStringList lines;
    for (const QString &line : text.split(QLatin1Char('\n'))) {
        lines += wrappedToColumns(line, width, laterWidth < 0 ? width : laterWidth);
    }
    return lines.join(QLatin1Char('\n') + QString(indent, QLatin1Char(' ')));
}

// The usage lines of these commands, one after the other.
QString commandList(const QList<CommandDeclaration> &listed)
{
    const QString indent(explanationColumn, QLatin1Char(' '));
    QString text;
    for (const CommandDeclaration &command : listed) {
        for (const UsageLine &line : command.usage) {
            // A form's further lines are indented under its first.
            const QString form =
                QStringLiteral("  ") +
                QString::fromUtf8(line.form).replace(QLatin1Char('\n'), QStringLiteral("\n      "));
            // A form that reaches the column, or has several lines, puts its explanation on the
            // lines below it.
            text += terminalColumns(form) < explanationColumn && !form.contains(QLatin1Char('\n'))
                        ? paddedToColumns(form, explanationColumn)
                        : form + QLatin1Char('\n') + indent;
            text += wrappedLines(line.explanation, handBrokenLineEnd - explanationColumn,
                                 explanationColumn) +
                    QLatin1Char('\n');
        }
    }
    return text;
}

QString exitStatuses()
{
    return Texts::tr(
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

// The exit statuses, each explanation wrapped under its own column as the options' are.
QString exitStatusText()
{
    static const QRegularExpression status(QStringLiteral(R"(^ +\d+ +(?=\S))"));
    QStringList lines;
    for (const QString &line : exitStatuses().split(QLatin1Char('\n'))) {
        const QString number = status.match(line).captured();
        const qsizetype column = terminalColumns(number);
        lines.append(number +
                     wrappedLines(line.mid(number.size()), optionLineEnd - column, column));
    }
    return lines.join(QLatin1Char('\n'));
}

// An option's or argument's form ("  --file <IMAGE>") and its explanation.
using Row = std::pair<QString, QString>;

QList<Row> optionRows(const QList<OptionDeclaration> &options)
{
    QList<Row> rows;
    for (const OptionDeclaration &option : options) {
        if (option.hidden) {
            continue;
        }
        // --help alone has a one-letter name too.
        QString form = option.name == QLatin1String("help") ? QStringLiteral("  -h, --")
                                                            : QStringLiteral("  --");
        form += option.name;
        if (!option.valueName.isEmpty()) {
            form += QStringLiteral(" <%1>").arg(option.valueName);
        }
        rows.append({form, option.help});
    }
    return rows;
}

// The column the explanations of `rows` start at: two after the widest form.
qsizetype explanationColumnOf(const QList<Row> &rows)
{
    qsizetype width = 0;
    for (const auto &[form, explanation] : rows) {
        width = std::max(width, terminalColumns(form));
    }
    return width + 2;
}

// `rows` with their explanations at `column`, wrapped at the words to stay within 80 columns,
// as --help's are. `laterColumns` more for the lines an explanation wraps onto.
QString rowList(const QList<Row> &rows, qsizetype column, qsizetype laterColumns = 0)
{
    const qsizetype width = optionLineEnd - column;
    QStringList lines;
    for (const auto &[form, explanation] : rows) {
        lines.append(paddedToColumns(form, column) +
                     wrappedLines(explanation, width, column, width + laterColumns));
    }
    return lines.join(QLatin1Char('\n'));
}

// The options `command` takes, the global ones first.
QString optionList(const CommandDeclaration &command, const QUrl &listURL)
{
    QList<OptionDeclaration> options;
    for (const OptionDeclaration &option : globalOptions(listURL)) {
        if (command.takesSourceOption(option.name)) {
            options.append(option);
        }
    }
    const QList<Row> rows = optionRows(options + command.options);
    return rowList(rows, explanationColumnOf(rows));
}

// The commands' names as the summary of the COMMAND argument: "list, ... or record."
QString commandNames()
{
    QStringList names;
    for (const CommandDeclaration &command : commandTable()) {
        names.append(QLatin1String(command.name));
    }
    const QString last = names.takeLast();
    return Texts::tr("%1 or %2.").arg(names.join(Texts::tr(", ", "between command names")), last);
}

QString programDescription()
{
    return wrappedLines(Texts::tr("Flashes Morvane USB devices from the firmware catalogue, as "
                                  "the window does."),
                        handBrokenLineEnd, 0) +
           QStringLiteral("\n\n") + Texts::tr("Commands:") + QLatin1Char('\n') +
           commandList(commandTable()) + QLatin1Char('\n') +
           wrappedLines(
               Texts::tr("With flash, --serial or --path chooses one of several devices, and\n"
                         "--all-devices flashes every attached device with those ids at once.\n"
                         "--bundle DIR reads everything from a folder that bundle create wrote,\n"
                         "checked as a download is, and nothing from the network.\n"
                         "Ctrl-C, SIGTERM and SIGHUP stop a transfer at a report boundary and "
                         "close the device.\n"
                         "'morvane-flash COMMAND --help' shows the help of one command."),
               handBrokenLineEnd, 0);
}

// "Usage: ", which the usage lines follow.
QString usageLabel()
{
    return Texts::tr("Usage: ");
}

} // namespace

QString programHelpText(const QUrl &listURL)
{
    const QList<Row> options = optionRows(globalOptions(listURL) + commandOptions());
    const QList<Row> arguments = {{QStringLiteral("  command"), commandNames()}};
    // The options and the argument share one column. As Qt's parser first laid them out, the
    // lines an explanation wraps onto take one column more.
    const qsizetype column = explanationColumnOf(options + arguments);
    return usageLabel() + QStringLiteral("morvane-flash [options] COMMAND [ARGUMENTS]\n") +
           programDescription() + QStringLiteral("\n\n") + Texts::tr("Options:") +
           QLatin1Char('\n') + rowList(options, column, 1) + QStringLiteral("\n\n") +
           Texts::tr("Arguments:") + QLatin1Char('\n') + rowList(arguments, column, 1) +
           QStringLiteral("\n\n") + exitStatusText();
}

QString commandHelpText(const CommandDeclaration &command, const QUrl &listURL)
{
    const QString program = !command.takesSource ? QStringLiteral("morvane-flash ")
                            : command.takesBundle
                                ? QStringLiteral("morvane-flash [--catalogue URL] [--bundle DIR] ")
                                : QStringLiteral("morvane-flash [--catalogue URL] ");
    const QString label = usageLabel();
    const QString indent(terminalColumns(label), QLatin1Char(' '));
    QStringList usage;
    for (const UsageLine &line : command.usage) {
        // A form's further lines are indented under the first's program name.
        usage.append(program +
                     QString::fromUtf8(line.form).replace(
                         QLatin1Char('\n'), QLatin1Char('\n') + indent + QStringLiteral("    ")));
    }
    return label + usage.join(QLatin1Char('\n') + indent) + QStringLiteral("\n\n") +
           commandList({command}) + QLatin1Char('\n') + Texts::tr("Options:") + QLatin1Char('\n') +
           optionList(command, listURL);
}
