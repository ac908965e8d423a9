#include "CatalogueLint.h"

#include <gtest/gtest.h>

namespace {

const QByteArray good = "MORVANE X;1a86;e0a1;1;c;http://h/x.bin;http://h/x.txt";

// "line kind" for every finding, in order.
QStringList findings(const QByteArray &file)
{
    QStringList result;
    for (const LintFinding &finding : lintCatalogue(file).findings) {
        const char *severity = finding.severity == LintFinding::Severity::error ? "E" : "W";
        result.append(QStringLiteral("%1 %2 %3").arg(finding.line).arg(severity, finding.kind));
    }
    return result;
}

} // namespace

TEST(CatalogueLint, EveryKindOfFindingWithItsLine)
{
    const struct
    {
        const char *name;
        QByteArray file;
        QStringList expected;
    } cases[] = {
        {"a clean list", good + "\n" + QByteArray(good).replace("x.bin", "y.bin") + "\n", {}},
        {"too few fields", "MORVANE X;1a86;e0a1;1;c;http://h/x.bin\n", {"1 E too-few-fields"}},
        {"empty and invalid URLs",
         "A;1;2;3;4; ;http://h/[x\n",
         {"1 E invalid-url", "1 E invalid-url"}},
        {"not UTF-8, with CR LF and lone CR counted as editors do",
         good + "\r\n" + QByteArray(good).replace("x.bin", "z.bin") + "\rA\xC0\x80;x\n",
         {"3 E not-utf8"}},
        {"a relative and a non-web address",
         "X;1;2;3;4;x.bin;file:///etc/hostname\n",
         {"1 W not-web-address", "1 W not-web-address"}},
        {"ids that are not 1 to 4 hex digits",
         "X;0x1a86;12345;3;4;http://h/a;http://h/b\nY;;g;3;4;http://h/a;http://h/b\n",
         {"1 W usb-id", "1 W usb-id", "2 W usb-id", "2 W usb-id"}},
        {"a duplicate, also when spread apart",
         good + "\nB;1;2;3;4;http://h/a;http://h/b\n" + good,
         {"3 W duplicate"}},
        {"names apart only in case or invisibly",
         good + "\nmorvane x;1;2;3;4;http://h/a;http://h/b\nMORVANE "
                "X\u200B;1;2;3;4;http://h/a;http://h/c\n",
         {"2 W lookalike-model", "3 W lookalike-model"}},
        {"malformed digests",
         good + ";sha256:abc\n" + good + "x;SHA256:" + QByteArray(64, 'F') + "\n" + good +
             "y;md5:whatever\n",
         {"1 W malformed-digest", "2 W malformed-digest"}},
        {"a byte-order mark", "\xEF\xBB\xBF" + good, {"1 W byte-order-mark"}},
        {"a heading that parses",
         "product;vid;pid;version;copyright;firmwareURL;notesURL\n" + good,
         {"1 W heading", "1 W usb-id", "1 W usb-id", "1 W not-web-address", "1 W not-web-address"}},
        {"records split inside one line by U+2028, blank lines skipped",
         "\n   \n" + good + "\u2028A;1;2\n",
         {"3 E too-few-fields"}},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(findings(c.file), c.expected) << c.name;
    }
}

TEST(CatalogueLint, NotUtf8GivesTheFileByteOffsetAndRecordsKeepTheirLines)
{
    const LintReport report =
        lintCatalogue("\xEF\xBB\xBF" + good + "\nX\xE2\x82;1\n" + good + "2\n");
    ASSERT_EQ(report.findings.size(), 2);
    EXPECT_EQ(report.findings[1].message, "byte 0xe2 at byte offset " +
                                              QString::number(3 + good.size() + 2) +
                                              " is not UTF-8; the updater refuses the whole list");
    ASSERT_EQ(report.records.size(), 2);
    EXPECT_EQ(report.records[1].line, 3);
}
