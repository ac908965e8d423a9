#include "catalogue/ServerTextDecoder.h"

#include <gtest/gtest.h>

// The order of the candidates and UTF-8 and UTF-16 against Qt's decoders are the fuzz target's
// to hold; it trusts the legacy decoders and UTF-16's refusals, which are checked here.
TEST(StrictDecoders, LegacyCharsetsAndUtf16RejectEveryBadByte)
{
    const QString chinese = QStringLiteral("中文");
    EXPECT_EQ(decodeLegacyCharset("\xD6\xD0\xCE\xC4", "GBK"), chinese);
    EXPECT_EQ(decodeLegacyCharset("\xA4\xA4\xA4\xE5", "Big5"), chinese);
    // Only GB18030 has four-byte forms.
    EXPECT_EQ(decodeServerText("\x95\x32\x82\x36"), QString::fromUcs4(U"\U00020000"));
    for (const char *name : {"GB18030", "GBK", "GB2312", "Big5"}) {
        EXPECT_FALSE(decodeLegacyCharset("\xFF", name)) << name;
        EXPECT_FALSE(decodeLegacyCharset("A\xD6", name)) << name; // cut off
    }
    EXPECT_FALSE(decodeLegacyCharset("A", "NO-SUCH-CHARSET"));

    // Odd length, unpaired high and low surrogates, a pair cut off.
    for (const QByteArray &bad :
         {QByteArray("N-e"), QByteArray("\xD8\x40\x00\x41", 4), QByteArray("\x00\x41\xDC\x00", 4),
          QByteArray("\xD8\x40"), QByteArray("\xFF\xFE\x00\xD8", 4)}) {
        EXPECT_FALSE(decodeStrictUtf16(bad)) << bad.toHex(' ').constData();
    }
}
