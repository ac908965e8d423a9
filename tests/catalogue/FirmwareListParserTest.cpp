#include "catalogue/FirmwareListParser.h"

#include "catalogue/UnicodeText.h"

#include <gtest/gtest.h>

TEST(CatalogueLines, EveryLineEndSplitsAndEmptyLinesVanish)
{
    for (const char16_t end : {u'\n', u'\v', u'\f', u'\r', u'\u0085', u'\u2028', u'\u2029'}) {
        const QString sep(QChar{end});
        EXPECT_EQ(splitCatalogueLines(sep + "a" + sep + sep + "b" + sep), QStringList({"a", "b"}))
            << int(end);
    }
    // A combining mark after a line end does not glue itself to it.
    EXPECT_EQ(splitCatalogueLines("a\n\u0301b"), QStringList({"a", "\u0301b"}));
}

TEST(CatalogueParser, TrimsEveryFieldAndUpperCasesOnlyIdentifiers)
{
    for (char32_t c = 0; c <= 0x10FFFF; ++c) {
        const bool lineEnd = (c >= 0x0A && c <= 0x0D) || c == 0x85 || c == 0x2028 || c == 0x2029;
        const bool expected = c == 0x09 || lineEnd || QChar::category(c) == QChar::Separator_Space;
        ASSERT_EQ(isNewline(c), lineEnd) << std::hex << unsigned(c);
        ASSERT_EQ(isWhitespaceOrNewline(c), expected) << std::hex << unsigned(c);
    }
    const QString b = QStringLiteral("\t \u00A0\u1680\u2000\u200A\u202F\u205F\u3000");
    const auto items = parseFirmwareList(b + "Mx 5\u3000Pro" + b + ";" + b + "04d8" + b +
                                         ";straße;v1.a;" + b + "copy b;" + b + "f" + b + ";n" + b);
    EXPECT_EQ(items, QList({FirmwareItem{"Mx 5\u3000Pro", "04D8", "STRASSE", "v1.a", "copy b",
                                         QUrl("f"), QUrl("n")}}));
    // Empty texts are accepted; fields past the seventh are ignored.
    EXPECT_EQ(parseFirmwareList(";;;;;f;n;x;y"),
              QList({FirmwareItem{"", "", "", "", "", QUrl("f"), QUrl("n")}}));
    // A zero-width space is not white space: it stays and makes the URL invalid.
    EXPECT_TRUE(parseFirmwareList("A;1;2;V;C;\u200Bhttp://s/f;n").isEmpty());
    EXPECT_TRUE(parseFirmwareList("A;1;2;V;C;http://s/f; ").isEmpty());
}

TEST(CatalogueUrls, TakesReferencesAsWrittenAndRejectsInvalidOnes)
{
    for (const char *text :
         {"http://server/fw/x.bin", "https://s:8080/a/b?q=1#frag", "http://[::1]/fw.bin",
          "file:///tmp/fw.bin", "x5pro.bin", "../fw/x.bin", "//host/fw", "?q", "#f",
          "http://s/a%20b", "http://s/%E5%9B%BA.bin", "mailto:a@b"}) {
        const auto url = parseCatalogueUrl(QString::fromUtf8(text));
        ASSERT_TRUE(url) << text;
        EXPECT_EQ(url->toEncoded(), QByteArray(text));
        // Records keep the encoded text; the address they give back must be the same one.
        EXPECT_EQ(QUrl(CatalogueUrl(*url)), *url) << text;
    }
    const QUrl unicode =
        *parseCatalogueUrl(QStringLiteral("http://b\u00FCcher.example/\u56FA.bin"));
    EXPECT_EQ(QUrl(CatalogueUrl(unicode)), unicode);
    EXPECT_EQ(QUrl(CatalogueUrl(unicode)).fileName(), QStringLiteral("\u56FA.bin"));

    for (const char *text :
         {"", "http://[bad", "http://s:99999/", "http://s:abc/", "http://s/%zz", "http://s/a%2",
          "%", "://x", "1http://x", "http://s/{x}", "http://s/a|b", "http://s/a\\b", "http://s/<a>",
          "http://s/a\"b", "http://s/a`b", "http://s/a\x01",
          // What Qt's strict mode lets through: blanks beyond ASCII, C1 controls, a second '#',
          // brackets outside the host.
          "a b", "http://s/a\tb", "http://us er@s/", "http://ex ample/", "http://s/a\xC2\xA0z",
          "http://s/a\xE3\x80\x80z", "http://s/a\xC2\x85z", "http://s/a\xC2\x9Fz", "http://s/a#b#c",
          "http://s/a[b]", "http://s/?a]"}) {
        EXPECT_FALSE(parseCatalogueUrl(QString::fromUtf8(text))) << text;
    }
}

// Crashes on short inputs are the fuzz target's to find; megabyte lines and text that is not
// valid UTF-16 it does not make.
TEST(CatalogueParser, HostileInputNeitherFailsNorCrashes)
{
    // NUL characters are ordinary text in names; in URLs they make the line invalid.
    const QString nul(QChar(0));
    const QString tail = QStringLiteral(";1;2;V;C;f;n");
    EXPECT_EQ(parseFirmwareList(nul + "A" + nul + tail).value(0).product, nul + "A" + nul);
    EXPECT_TRUE(parseFirmwareList("A;1;2;V;C;http://s/" + nul + ";n").isEmpty());
    // A 1 MB line: as a name it is kept whole, as a URL it is still judged as one.
    const QString huge(1 << 20, u'x');
    EXPECT_EQ(parseFirmwareList(huge + tail).value(0).product.size(), huge.size());
    EXPECT_EQ(parseFirmwareList("A;1;2;V;C;http://s/" + huge + ";n").size(), 1);
    EXPECT_TRUE(parseFirmwareList("A;1;2;V;C;http://s/" + huge + " x;n").isEmpty());
    // Unpaired surrogates and stray marks may reach here from a caller that built the text.
    EXPECT_EQ(parseFirmwareList(QChar(0xD800) + tail + "\n\u0301" + tail).size(), 2);
}
