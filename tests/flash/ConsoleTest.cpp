#include "frame/Console.h"

#include "CommandLineFixture.h"
#include "frame/ExitStatus.h"
#include "frame/TerminalColumns.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <gtest/gtest.h>

using TerminalOutput = CommandLineFixture;

// What the server wrote reaches a terminal without a single control; JSON keeps it, escaped.
TEST_F(TerminalOutput, ServerTextNeverReachesTheTerminalAsControls)
{
    // ESC, BEL, DEL, C1's CSI and the right-to-left override: none of them ends a list line.
    const std::string hostile = "\x1b[31m\x07\x7f\xc2\x9b\xe2\x80\xae";
    const QString shown = "\uFFFD[31m\uFFFD\uFFFD\uFFFD\uFFFD";
    const QString escaped = "\\u001b[31m\\u0007\\u007f\\u009b\\u202e";
    serveCatalogue("MORVANE X5 Pro;1a86;e0a1;V2;Co." + hostile +
                   ";{B}/fw/x5_v2.bin;{B}/notes/x5_v2.txt\n");
    // Tabs, line ends and other characters stay; CR LF is a line end, a lone CR is not.
    m_server.setBody("/notes/x5_v2.txt", "\x1b[1A\x1b[2KUpdate completed.\x1b]52;c;ZXZpbA==\x07\r\n"
                                         "next\rline\t\xc2\xa0\xe2\x81\xa6\xc2\x85\x01");
    const QString badId = writeFile("list.txt", "X;" + QByteArray::fromStdString(hostile) +
                                                    ";e0a1;1;c;http://h/a;http://h/b\n");
    // A device's own strings too; a tab or line end in one would forge a column or a line.
    attachDevice(behaviourWith(&Behaviour::serialNumber, hostile + "\t\n"));
    const struct
    {
        QStringList arguments;
        QString expected;
    } cases[] = {
        {{"list"}, "  V2  1A86:E0A1  Co." + shown + "\n"},
        {{"list", "--json"}, "\"copyright\": \"Co." + escaped + "\""},
        {{"notes", "X5 Pro", "V2"},
         "\uFFFD[1A\uFFFD[2KUpdate completed.\uFFFD]52;c;ZXZpbA==\uFFFD\n"
         "next\uFFFDline\t\u00a0\uFFFD\uFFFD\uFFFD\n"},
        {{"lint", badId}, "field 2 (vendor id) \"" + shown + "\" is not a hexadecimal number"},
        {{"lint", badId, "--json"}, "field 2 (vendor id) \\\"" + escaped + "\\\" is not"},
        {{"devices"}, "\t" + shown + "\uFFFD\uFFFD\t-\tpid.codes\t"},
        {{"devices", "--json"}, "\"serial\": \"" + escaped + "\\t\\n\""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        run(c.arguments);
        EXPECT_TRUE(m_out.contains(c.expected)) << m_out.toStdString();
        for (const QChar control : u"\x1b\x07\x7f\u009b\u202e\r") {
            EXPECT_FALSE(m_out.contains(control)) << int(control.unicode());
        }
    }
    // Nor in the refusal that names several devices.
    attachDevice(behaviourWith(&Behaviour::serialNumber, std::string("A\r\nUpdate completed.")));
    EXPECT_EQ(run({"flash", "X5 Pro"}), exitUsage);
    EXPECT_TRUE(m_err.contains("serial A\uFFFD\uFFFDUpdate completed.")) << m_err.toStdString();
    EXPECT_FALSE(m_err.contains("\nUpdate completed.")) << m_err.toStdString();

    run({"list", "--json"});
    const QJsonArray models = QJsonDocument::fromJson(m_out.toUtf8()).array();
    EXPECT_EQ(models[0]["versions"][0]["copyright"], "Co." + QString::fromStdString(hostile));
}

TEST(Console, ControlCodesOnlyForATerminalThatTakesThem)
{
    const struct
    {
        bool terminal;
        const char *term;
        const char *noColor;
        bool takes;
    } cases[] = {
        {true, "xterm-256color", nullptr, true}, {true, "xterm", "", true},
        {false, "xterm", nullptr, false},        {true, "dumb", nullptr, false},
        {true, nullptr, nullptr, false},         {true, "xterm", "1", false},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(takesControlCodes(c.terminal, c.term, c.noColor), c.takes)
            << c.terminal << (c.term ? c.term : "(unset)") << (c.noColor ? c.noColor : "(unset)");
    }
}

// Help laid out in Chinese keeps its columns: a wide character takes two, and a line breaks
// between two of them as at a space, but never where punctuation would start or end a line.
TEST(Console, TextIsMeasuredAndWrappedInTerminalColumns)
{
    const struct
    {
        QString text;
        qsizetype columns;
    } measured[] = {
        {"--watch", 7},    {"固件列表", 8}, {"（默认 5）", 10}, {"e\u0301", 1},
        {"\U0001F600", 2}, {"“x”", 3},      {"ｆ한", 4},
    };
    for (const auto &c : measured) {
        EXPECT_EQ(terminalColumns(c.text), c.columns) << c.text.toStdString();
    }
    const struct
    {
        QString text;
        qsizetype width;
        qsizetype laterWidth;
        QStringList lines;
    } wrapped[] = {
        {"a bb ccc", 4, 4, {"a bb", "ccc"}},
        {"a  b", 10, 10, {"a  b"}},
        {"固件列表文件", 8, 8, {"固件列表", "文件"}},
        {"设备。列表", 4, 4, {"设", "备。", "列表"}},
        {"默认（5）值", 6, 6, {"默认", "（5）", "值"}},
        {"使用 --watch 时", 10, 10, {"使用", "--watch 时"}},
        {"aa bb cc", 2, 5, {"aa", "bb cc"}},
        {"x http://h/long y", 5, 5, {"x", "http://h/long", "y"}},
    };
    for (const auto &c : wrapped) {
        EXPECT_EQ(wrappedToColumns(c.text, c.width, c.laterWidth), c.lines) << c.text.toStdString();
    }
}
