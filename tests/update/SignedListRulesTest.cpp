#include "update/SignedListRules.h"

#include <gtest/gtest.h>

namespace {

const QString good = QStringLiteral("X;1a86;e0a1;V1;c;https://h/a.bin;https://h/n.txt");

// "line kind" for every finding the updater's rules make of a signed list.
QStringList problems(const QString &text)
{
    QStringList result;
    for (const CatalogueFinding &finding : signedListProblems(text)) {
        result.append(QStringLiteral("%1 %2").arg(finding.line).arg(finding.kind));
    }
    return result;
}

QList<qsizetype> numbers(const QList<ListLine> &lines)
{
    QList<qsizetype> result;
    for (const ListLine &line : lines) {
        result.append(line.number);
    }
    return result;
}

} // namespace

// The one walk that the updater, lint and sign read a list by: each finding names the line an
// editor shows, whatever ends the lines, and the same line counts the same in bytes and text.
TEST(SignedListRules, EachFindingNamesTheLineAnEditorShows)
{
    const QString other = QString(good).replace(";c;", ";other;");
    const struct
    {
        QString text;
        QStringList expected;
    } cases[] = {
        {good + "\n" + good + "\n", {}},
        {good + "\nX;1a86;0;V2;c;https://h/b;https://h/n\n", {"2 invalid-usb-id"}},
        {good + "\r\n\r\nX;10000;e0a1;V2;c;https://h/b;https://h/n", {"3 invalid-usb-id"}},
        {good + "\r\rX;1a86\r", {"3 not-a-record"}},
        {good + "\r\n" + other, {"2 duplicate-version"}},
        // Other line ends split records, not lines.
        {good + "\vX;1a86\n \t\n" + good + QChar(0x2028) + other,
         {"1 not-a-record", "3 duplicate-version"}},
        {QStringLiteral("\u00C1;1a86;e0a1;V\u00E9;c;https://h/a;https://h/n\nA\u0301;1a86;e0a1;"
                        "Ve\u0301;other;https://h/b;https://h/n"),
         {"2 duplicate-version"}},
        {"X;1a86;e0a1;V1;c;file:///etc/passwd;https://h/n\r\nX;1a86;e0a1;V2;c;https://h/a;n.txt",
         {"1 not-web-address", "2 not-web-address"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        EXPECT_EQ(problems(c.text), c.expected);
        EXPECT_EQ(numbers(listLines(c.text.toUtf8())), numbers(listLines(c.text)));
    }
}
