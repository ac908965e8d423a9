#include "ServerTextDecoder.h"

#include <gtest/gtest.h>

namespace {

const QString chinese = QStringLiteral("中文");
const QString u20000 = QString::fromUcs4(U"\U00020000");

} // namespace

TEST(StrictDecoders, LegacyCharsetsAndUtf16RejectEveryBadByte)
{
    EXPECT_EQ(decodeLegacyCharset("\xD6\xD0\xCE\xC4", "GBK"), chinese);
    EXPECT_EQ(decodeLegacyCharset("\xA4\xA4\xA4\xE5", "Big5"), chinese);
    for (const char *name : {"GB18030", "GBK", "GB2312", "Big5"}) {
        EXPECT_FALSE(decodeLegacyCharset("\xFF", name)) << name;
        EXPECT_FALSE(decodeLegacyCharset("A\xD6", name)) << name; // cut off
    }
    EXPECT_FALSE(decodeLegacyCharset("A", "NO-SUCH-CHARSET"));

    // UTF-16: a BOM sets the byte order, big-endian without one.
    EXPECT_EQ(decodeStrictUtf16("\xFF\xFE\x2D\x4E\x87\x65"), chinese);
    EXPECT_EQ(decodeStrictUtf16("\xFE\xFF\x4E\x2D\x65\x87"), chinese);
    EXPECT_EQ(decodeStrictUtf16(QByteArray("\xD8\x40\xDC\x00", 4)), u20000);
    // Odd length, unpaired high and low surrogates, a pair cut off.
    for (const QByteArray &bad : {QByteArray("N-e"), QByteArray("\xD8\x40\x00\x41", 4),
                                  QByteArray("\x00\x41\xDC\x00", 4), QByteArray("\xD8\x40")}) {
        EXPECT_FALSE(decodeStrictUtf16(bad)) << bad.toHex(' ').constData();
    }
}

TEST(ServerText, FirstCandidateThatAcceptsEveryByteWins)
{
    EXPECT_EQ(decodeServerText({}), QString(""));
    // UTF-8 of 中文 is also valid GB18030 (as 涓枃): UTF-8 comes first.
    EXPECT_EQ(decodeServerText(chinese.toUtf8()), chinese);
    // Only GB18030 has four-byte forms; UTF-16 would read these bytes as two other characters.
    EXPECT_EQ(decodeServerText("\x95\x32\x82\x36"), u20000);
    // Big5 中文 is also valid GB18030 (as いゅ), which is tried first.
    EXPECT_EQ(decodeServerText("\xA4\xA4\xA4\xE5"), QStringLiteral("いゅ"));
    // Ends in a lone lead byte for every multi-byte candidate, so only UTF-16 (big-endian
    // without a BOM) takes it.
    EXPECT_EQ(decodeServerText("\x4E\x2D\x65\x87"), chinese);
    EXPECT_FALSE(decodeServerText("\xFF"));
    EXPECT_FALSE(decodeServerText(QByteArray("\xFF\xFE\x00\xD8", 4)));
}
