#include "FirmwareListParser.h"

#include <gtest/gtest.h>

namespace {

const QString validTail = QStringLiteral(";1a86;e0a1;V1;Co;http://s/fw.bin;http://s/fw.txt");

QString line(const QString &product)
{
    return product + validTail;
}

} // namespace

TEST(CatalogueLines, EveryLineEndSplitsAndEmptyLinesVanish)
{
    for (const char16_t end : {u'\n', u'\v', u'\f', u'\r', u'\u0085', u'\u2028', u'\u2029'}) {
        const QString sep(QChar{end});
        EXPECT_EQ(splitCatalogueLines(sep + "a" + sep + sep + "b" + sep), QStringList({"a", "b"}))
            << int(end);
    }
    EXPECT_EQ(splitCatalogueLines("a\r\nb\rc\n\r\n"), QStringList({"a", "b", "c"}));
    EXPECT_TRUE(splitCatalogueLines("").isEmpty());
    EXPECT_TRUE(splitCatalogueLines("\r\n\n\u2028").isEmpty());
    // A combining mark after a line end does not glue itself to it.
    EXPECT_EQ(splitCatalogueLines("a\n\u0301b"), QStringList({"a", "\u0301b"}));
}

TEST(CatalogueParser, CrLfAndLfGiveTheSameRecords)
{
    const QString lf = line("A") + "\n" + line("B") + "\n";
    QString crlf = lf;
    crlf.replace("\n", "\r\n");
    EXPECT_EQ(parseFirmwareList(crlf), parseFirmwareList(lf));
    EXPECT_EQ(parseFirmwareList(crlf).size(), 2);
}

TEST(CatalogueParser, FieldCountAndEmptyFields)
{
    EXPECT_TRUE(parseFirmwareList("A;1;2;V;C;http://s/f").isEmpty()); // six fields
    EXPECT_TRUE(parseFirmwareList("   \t ").isEmpty());
    EXPECT_TRUE(parseFirmwareList("A;1;2;V;C; ;http://s/n").isEmpty());
    EXPECT_TRUE(parseFirmwareList("A;1;2;V;C;http://s/f;").isEmpty());

    const auto nine = parseFirmwareList("A;1;2;V;C;http://s/f;http://s/n;x;y");
    ASSERT_EQ(nine.size(), 1);
    EXPECT_EQ(nine[0].notesURL.toString(), "http://s/n");

    const auto empties = parseFirmwareList(";;;;;f;n");
    ASSERT_EQ(empties.size(), 1);
    EXPECT_TRUE(empties[0].product.isEmpty());
    EXPECT_TRUE(empties[0].copyright.isEmpty());
}

TEST(CatalogueParser, WorkedExample)
{
    const auto items =
        parseFirmwareList("  MORVANE X5 Pro ; 1a86 ; e0a1 ; V2.1.3 ; 2023 Example Co. ; "
                          "http://server/fw/x5pro_213.bin ; http://server/fw/x5pro_213.txt ;");
    ASSERT_EQ(items.size(), 1);
    EXPECT_EQ(items[0], (FirmwareItem{"MORVANE X5 Pro", "1A86", "E0A1", "V2.1.3",
                                      "2023 Example Co.", QUrl("http://server/fw/x5pro_213.bin"),
                                      QUrl("http://server/fw/x5pro_213.txt")}));
}

TEST(CatalogueParser, TrimsTheWholeWhiteSpaceSetButKeepsInnerBlanks)
{
    const QString blanks = QStringLiteral("\t \u00A0\u1680\u2000\u200A\u202F\u205F\u3000");
    const auto items = parseFirmwareList(blanks + "X 5\u3000Pro" + blanks + ";" + blanks + "ab" +
                                         blanks + ";p;v;c;" + blanks + "f" + blanks + ";n");
    ASSERT_EQ(items.size(), 1);
    EXPECT_EQ(items[0].product, "X 5\u3000Pro");
    EXPECT_EQ(items[0].vid, "AB");
    EXPECT_EQ(items[0].firmwareURL.toString(), "f");
    // Zero-width space and BOM are not white space: they stay and make the URL invalid.
    EXPECT_TRUE(parseFirmwareList("A;1;2;V;C;\u200Bhttp://s/f;n").isEmpty());
}

TEST(CatalogueParser, UpperCasesOnlyIdentifiersWithFullMapping)
{
    const auto items = parseFirmwareList("Mx;04d8;straße;v1.a;copy b;f;n");
    ASSERT_EQ(items.size(), 1);
    EXPECT_EQ(items[0].product, "Mx");
    EXPECT_EQ(items[0].vid, "04D8");
    EXPECT_EQ(items[0].pid, "STRASSE");
    EXPECT_EQ(items[0].version, "v1.a");
    EXPECT_EQ(items[0].copyright, "copy b");
}

TEST(CatalogueUrls, AcceptsAbsoluteUrlsAndWellFormedRelativeReferences)
{
    for (const char *text :
         {"http://server/fw/x.bin", "https://s:8080/a/b?q=1#frag", "http://[::1]/fw.bin",
          "file:///tmp/fw.bin", "x5pro.bin", "../fw/x.bin", "//host/fw", "?q", "#f",
          "http://s/a%20b", "http://s/%E5%9B%BA.bin", "mailto:a@b", "FirmwareURL"}) {
        const auto url = parseCatalogueUrl(QString::fromUtf8(text));
        ASSERT_TRUE(url) << text;
        EXPECT_EQ(url->toEncoded(), QByteArray(text)) << "not as written: " << text;
    }
    // Used as written: a relative reference stays relative, with no base.
    EXPECT_TRUE(parseCatalogueUrl("x5pro.bin")->isRelative());
}

TEST(CatalogueUrls, RejectsEmptyAndInvalidReferences)
{
    for (const char *text : {"",
                             "a b",
                             "http://[bad",
                             "http://s/a b",
                             "http://s:99999/",
                             "http://s:abc/",
                             "http://s/%zz",
                             "http://s/a%2",
                             "%",
                             "://x",
                             "1http://x",
                             "http://s/{x}",
                             "http://s/a|b",
                             "http://s/a\\b",
                             "http://s/<a>",
                             "http://s/a\"b",
                             "http://s/a`b",
                             "http://s/a\x01",
                             "http://s/a\tb",
                             "http://s/a#b#c",
                             "http://s/a[b]",
                             "http://s/?a]",
                             "http://us er@s/",
                             "http://ex ample/",
                             "http://s/a\xC2\xA0"
                             "b",
                             "http://s/a\xE3\x80\x80"
                             "b",
                             "http://s/a\xC2\x85"
                             "b",
                             "http://s/a\xC2\x9F"
                             "b"}) {
        EXPECT_FALSE(parseCatalogueUrl(QString::fromUtf8(text))) << text;
    }
    EXPECT_FALSE(parseCatalogueUrl(QStringLiteral("http://s/a") + QChar(0) + "b"));
}

TEST(CatalogueParser, KeepsFileOrderAndDuplicates)
{
    const QString text = line("A") + "\n" + line("B") + "\n" + line("A") + "\n" + line("A");
    const auto items = parseFirmwareList(text);
    ASSERT_EQ(items.size(), 4);
    EXPECT_EQ(items[0].product, "A");
    EXPECT_EQ(items[1].product, "B");
    EXPECT_EQ(items[2], items[3]);
}

TEST(CatalogueParser, HeadingLineIsJudgedLikeAnyOther)
{
    const auto items =
        parseFirmwareList("Product;VID;PID;Version;Copyright;FirmwareURL;NotesURL\n" + line("A"));
    ASSERT_EQ(items.size(), 2);
    EXPECT_EQ(items[0].firmwareURL, QUrl("FirmwareURL"));
    EXPECT_TRUE(items[0].firmwareURL.isRelative());
}

TEST(CatalogueParser, HostileInputNeitherFailsNorCrashes)
{
    // NUL characters are ordinary text in names; in URLs they make the line invalid.
    const QString nul(QChar(0));
    const auto withNul = parseFirmwareList(nul + "A" + nul + validTail + "\n" + "A;1;2;V;C;" +
                                           "http://s/" + nul + ";n\n" + nul + nul);
    ASSERT_EQ(withNul.size(), 1);
    EXPECT_EQ(withNul[0].product, nul + "A" + nul);

    EXPECT_TRUE(parseFirmwareList(QString(1 << 20, u'x')).isEmpty());
    const QString longUrl = "http://s/" + QString(1 << 20, u'a');
    const auto longLine = parseFirmwareList("A;1;2;V;C;" + longUrl + ";n");
    ASSERT_EQ(longLine.size(), 1);
    EXPECT_EQ(longLine[0].firmwareURL.toString().size(), longUrl.size());

    const QString semicolons(100000, u';');
    EXPECT_TRUE(parseFirmwareList(semicolons).isEmpty());
    EXPECT_EQ(parseFirmwareList("A;1;2;V;C;f;n" + semicolons).size(), 1);

    // Unpaired surrogates and stray marks may reach here from a caller that built the text.
    EXPECT_EQ(parseFirmwareList(QString(QChar(0xD800)) + validTail + "\n\u0301" + validTail).size(),
              2);
}
