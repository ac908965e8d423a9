#include "CommandLineFixture.h"
#include "MinisignTool.h"
#include "PseudoTranslation.h"
#include "frame/ExitStatus.h"
#include "frame/TerminalColumns.h"
#include "program/CommandTable.h"

#include <QRegularExpression>
#include <QSet>
#include <algorithm>
#include <gtest/gtest.h>

// What the command line says under a translation: its layout and that nothing escapes it.
using Translated = CommandLineFixture;

namespace {

// A line of a usage form: the program's, or a line of a command's form from the table.
bool isUsageForm(const QString &line)
{
    const QString trimmed = line.trimmed();
    for (const CommandDeclaration &command : commandTable()) {
        for (const UsageLine &usage : command.usage) {
            for (const QString &form : QString::fromUtf8(usage.form).split('\n')) {
                if (trimmed.endsWith(form)) {
                    return true;
                }
            }
        }
    }
    return line.contains("morvane-flash [");
}

// A row of --help: its form at the third column, then two spaces or more.
const QRegularExpression rowForm(R"(^  \S.*?  +(?=\S))");

// The column the explanation on `line` starts at, after a row's form or a continuation's
// indent; -1 for a line that holds none.
qsizetype explanationColumn(const QString &line)
{
    if (!line.startsWith("  ") || isUsageForm(line)) {
        return -1;
    }
    qsizetype at = line.indexOf(QRegularExpression(R"(\S)"));
    if (at == 2) {
        const QRegularExpressionMatch form = rowForm.match(line);
        at = form.hasMatch() ? form.capturedLength() : -1;
    }
    return at < 0 ? -1 : terminalColumns(QStringView(line).left(at));
}

// An untranslated word on `line` once addresses, paths, option names, the program's name and
// `kept` are taken out.
QString plainWord(const QString &line, const QString &kept)
{
    return untranslatedWord(
        line, R"(\S+://\S+|(^|\s)/\S+|--?[A-Za-z][\w-]*(=\S*)?|morvane-flash|<[A-Z=]+>|)" + kept);
}

// The words of the usage forms: command names and metavariables.
QString formWords()
{
    QStringList words;
    for (const CommandDeclaration &command : commandTable()) {
        for (const UsageLine &usage : command.usage) {
            words += QString::fromUtf8(usage.form).split(QRegularExpression(R"([^A-Za-z]+)"));
        }
    }
    return R"(\b(?:)" + words.join('|') + R"()\b)";
}

} // namespace

// Under a translation half as long again, the program's help and each command's keep their
// explanations at today's columns and their lines within today's width (usage forms and an
// address alone on its line aside), and every word of theirs is translated.
TEST_F(Translated, TheHelpKeepsItsLayoutUnderALongerTranslation)
{
    QList<QStringList> arguments = {{"--help"}};
    for (const CommandDeclaration &command : commandTable()) {
        arguments.append(QStringList{QLatin1String(command.name), "--help"});
    }
    // The columns each block's explanations start at.
    const auto columns = [](const QString &help) {
        QList<QSet<qsizetype>> blocks;
        for (const QString &block : help.split("\n\n")) {
            blocks.append(QSet<qsizetype>());
            for (const QString &line : block.split('\n')) {
                if (const qsizetype column = explanationColumn(line); column >= 0) {
                    blocks.last().insert(column);
                }
            }
        }
        return blocks;
    };
    const QString kept = formWords();
    // The widest line of the program's help today, usage forms aside.
    ASSERT_EQ(run({"--help"}), exitSuccess);
    qsizetype width = 0;
    for (const QString &line : m_out.split('\n')) {
        width = isUsageForm(line) ? width : std::max(width, terminalColumns(line));
    }
    for (const QStringList &argument : arguments) {
        SCOPED_TRACE(argument.join(' ').toStdString());
        ASSERT_EQ(run(argument), exitSuccess);
        const QList<QSet<qsizetype>> today = columns(m_out);
        {
            const Translations pseudo = pseudoTranslation();
            ASSERT_EQ(run(argument), exitSuccess);
        }
        EXPECT_EQ(columns(m_out), today) << m_out.toStdString();
        for (const QString &line : m_out.split('\n')) {
            const bool addressAlone =
                line.trimmed().contains("://") && !line.trimmed().contains(' ');
            if (!isUsageForm(line) && !addressAlone) {
                EXPECT_LE(terminalColumns(line), width) << line.toStdString();
            }
            EXPECT_EQ(isUsageForm(line) ? QString()
                                        : plainWord(QString(line).remove(rowForm), kept),
                      QString())
                << line.toStdString();
        }
    }
}

// Under the pseudo-translation every word a command prints for a person is translated: what
// stays in plain letters is the catalogue's, the device's or the server's, or what scripts and
// editors read (lint's "error:", doctor's verdicts and ids, the device listing's columns).
TEST_F(Translated, EveryCommandSpeaksTheTranslation)
{
    MinisignTool active;
    MinisignTool standby;
    const QString list = writeFile("L.txt", "X;1a86;e0a1\n#c\nX;1a86;zz;1;c;rel/a;http://h/b\n");
    const struct
    {
        QStringList arguments;
        // The device leaves the bus after these reports.
        std::optional<std::size_t> vanish = std::nullopt;
        QString key = {};
    } cases[] = {
        {{"list"}},
        {{"notes", "X5 Pro", "V1"}},
        {{"devices"}},
        {{"flash", "X5 Pro"}},
        {{"flash", "X5 Pro"}, 2},
        {{"lint", list}},
        {{"doctor", "--root", inTemp("root")}},
        {{"record"}},
        {{"bundle", "create", inTemp("b")}},
        {{"--version"}, std::nullopt, active.publicKeyLine() + " " + standby.publicKeyLine()},
    };
    const QString data =
        R"(MORVANE|X5 Pro|\bV\d\b|\bCo\b|Not Found|UTC|MiB|\b(note|warning|error):|)"
        R"(^(ok|warn|fail)\t\S+(?=\t)|No such file or directory|^  fix: |\S+\.rules|sudo udevadm \w+|x5_v2|zz|rel/a|)"
        R"(\t(pid\.codes|Simulated bootloader|may open))";
    const Translations pseudo = pseudoTranslation();
    for (const auto &c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        m_catalogueKey = c.key;
        const auto device = attachDevice(behaviourWith(&Behaviour::vanishAfterReports, c.vanish));
        run(c.arguments);
        m_hid.detach(device);
        EXPECT_FALSE((m_out + m_err).isEmpty());
        for (const QString &line : (m_out + m_err).split('\n')) {
            EXPECT_EQ(plainWord(line, data).toStdString(), "") << line.toStdString();
        }
    }
}
