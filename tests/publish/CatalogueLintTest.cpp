#include "publish/CatalogueLint.h"

#include <gtest/gtest.h>

namespace {

const QByteArray good = "MORVANE X;1a86;e0a1;1;c;http://h/x.bin;http://h/x.txt";

// "line kind" for every finding, in order.
QStringList findings(const QByteArray &file, bool keyed)
{
    QStringList result;
    for (const LintFinding &finding : lintCatalogue(file, keyed).findings) {
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
        QByteArray file;
        QStringList expected;
        // With a key the updater's rules refuse what is otherwise only doubted.
        bool keyed = false;
    } cases[] = {
        {good + "\n" + QByteArray(good).replace(";1;", ";2;") + "\n", {}},
        {good + "\n" + QByteArray(good).replace("x.bin", "y.bin") + "\n",
         {"2 W duplicate-version"}},
        {good + "\n" + QByteArray(good).replace("x.bin", "y.bin") + "\n",
         {"1 E no-digest", "2 E no-digest", "2 E duplicate-version"},
         true},
        {"MORVANE X;1a86;e0a1;1;c;http://h/x.bin\n", {"1 E too-few-fields"}},
        {"A;1;2;3;4; ;http://h/[x\n", {"1 E invalid-url", "1 E invalid-url"}},
        {good + "\r\nA\xC0\x80;x\n", {"2 E not-utf8"}},
        {"X;1;2;3;4;x.bin;file:///etc/hostname\n", {"1 W not-web-address", "1 W not-web-address"}},
        {"X;1;2;3;4;x.bin;file:///etc/hostname\n", {"1 E not-web-address", "1 E no-digest"}, true},
        {"X;0x1a86;12345;3;4;http://h/a;http://h/b\n",
         {"1 E invalid-usb-id", "1 E invalid-usb-id"}},
        {"X;+1a86;-1;3;4;http://h/a;http://h/b\n", {"1 W usb-id", "1 E invalid-usb-id"}},
        {good + "\nB;1;2;3;4;http://h/a;http://h/b\n" + good, {"3 W duplicate"}},
        {good + "\nmorvane x;1;2;3;4;http://h/a;http://h/b\nMORVANE "
                "X\u200B;1;2;3;4;http://h/a;http://h/c\n",
         {"2 W lookalike-model", "3 W lookalike-model"}},
        {good + ";sha256:abc\n" + QByteArray(good).replace(";1;", ";2;") +
             ";SHA256:" + QByteArray(64, 'F'),
         {"1 E malformed-digest", "2 W malformed-digest"}},
        {"\xEF\xBB\xBF" + good, {"1 W byte-order-mark"}},
        {QByteArray(good).replace("MORVANE X", "X\x1B[2J").replace(";c;", ";\xE2\x80\xAE;"),
         {"1 E control-character", "1 E bidi-control"}},
        {QByteArray(good).replace("MORVANE X", " ").replace(";1;", ";;"),
         {"1 E empty-field", "1 E empty-field"}},
        {"product;vid;pid;version;copyright;firmwareURL;notesURL\n" + good,
         {"1 W heading", "1 E invalid-usb-id", "1 E invalid-usb-id", "1 W not-web-address",
          "1 W not-web-address"}},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(findings(c.file, c.keyed), c.expected) << c.file.toStdString();
    }
}

TEST(CatalogueLint, NotUtf8GivesTheFileByteOffset)
{
    const LintReport report = lintCatalogue("\xEF\xBB\xBF" + good + "\nX\xE2\x82;1\n", false);
    ASSERT_EQ(report.findings.size(), 2);
    EXPECT_EQ(report.findings[1].message, "byte 0xe2 at byte offset " +
                                              QString::number(3 + good.size() + 2) +
                                              " is not UTF-8; the updater refuses the whole list");
}
