#include "ServerTextDecoder.h"

#include <gtest/gtest.h>
#include <random>

namespace {

QByteArray bytes(std::initializer_list<unsigned char> values)
{
    QByteArray data;
    for (const unsigned char v : values) {
        data.append(char(v));
    }
    return data;
}

const QString chinese = QStringLiteral("中文");

} // namespace

TEST(StrictUtf8, RejectsEveryIllFormedSequence)
{
    const std::initializer_list<unsigned char> cases[] = {
        {0xC0, 0x80},             // overlong NUL
        {0xC1, 0xBF},             // overlong
        {0xE0, 0x80, 0x80},       // overlong three-byte
        {0xF0, 0x80, 0x80, 0x80}, // overlong four-byte
        {0xED, 0xA0, 0x80},       // encoded high surrogate
        {0xED, 0xBF, 0xBF},       // encoded low surrogate
        {0xF4, 0x90, 0x80, 0x80}, // past U+10FFFF
        {0xF5, 0x80, 0x80, 0x80},
        {0xFF},
        {0x80},
        {0x41, 0xBF},
        {0xE4, 0xB8},       // truncated at the end
        {0xE4, 0x41, 0xAD}, // truncated in the middle
        {0xF0, 0x9F, 0x98},
    };
    for (const auto &c : cases) {
        EXPECT_FALSE(decodeStrictUtf8(bytes(c))) << bytes(c).toHex(' ').constData();
    }
}

TEST(StrictUtf8, DecodesBoundariesAndDropsOnlyTheFirstBom)
{
    EXPECT_EQ(decodeStrictUtf8({}), QString(""));
    EXPECT_EQ(decodeStrictUtf8(bytes({0xEF, 0xBB, 0xBF})), QString(""));
    EXPECT_EQ(decodeStrictUtf8(bytes({0xEF, 0xBB, 0xBF, 0xEF, 0xBB, 0xBF, 0x41})),
              QString(QChar(0xFEFF)) + "A"); // QString("\uFEFF...") would drop it
    EXPECT_EQ(decodeStrictUtf8(bytes({0x00, 0x7F, 0xC2, 0x80, 0xEF, 0xBF, 0xBF})),
              QString(QChar(0)) + "\u007F\u0080\uFFFF");
    EXPECT_EQ(decodeStrictUtf8(bytes({0xF4, 0x8F, 0xBF, 0xBF, 0xF0, 0x90, 0x80, 0x80})),
              QString::fromUcs4(U"\U0010FFFF\U00010000"));
}

TEST(StrictUtf8, WhatItAcceptsReencodesToTheSameBytes)
{
    // Random short buffers biased towards multi-byte leads: an accepted overlong or
    // surrogate form would re-encode differently.
    std::mt19937 random(20240318);
    std::uniform_int_distribution<int> byte(0x70, 0xFF);
    int accepted = 0;
    for (int round = 0; round < 20000; ++round) {
        QByteArray data;
        for (int i = 0; i < 4; ++i) {
            data.append(char(byte(random)));
        }
        if (data.startsWith("\xEF\xBB\xBF")) {
            continue;
        }
        if (const auto text = decodeStrictUtf8(data)) {
            ++accepted;
            ASSERT_EQ(text->toUtf8(), data) << data.toHex(' ').constData();
        }
    }
    EXPECT_GT(accepted, 100);
}

TEST(LegacyCharsets, AreStrictAndSkipUnknownNames)
{
    EXPECT_EQ(decodeLegacyCharset(bytes({0xD6, 0xD0, 0xCE, 0xC4}), "GBK"), chinese);
    EXPECT_EQ(decodeLegacyCharset(bytes({0xA4, 0xA4, 0xA4, 0xE5}), "Big5"), chinese);
    EXPECT_EQ(decodeLegacyCharset(bytes({0x95, 0x32, 0x82, 0x36}), "GB18030"),
              QString::fromUcs4(U"\U00020000"));
    for (const char *name : {"GB18030", "GBK", "GB2312", "Big5"}) {
        EXPECT_FALSE(decodeLegacyCharset(bytes({0xFF}), name)) << name;
        EXPECT_FALSE(decodeLegacyCharset(bytes({0x41, 0xD6}), name)) << name; // cut off
    }
    EXPECT_FALSE(decodeLegacyCharset(bytes({0x41}), "NO-SUCH-CHARSET"));
}

TEST(StrictUtf16, HonoursBomAndDefaultsToBigEndian)
{
    EXPECT_EQ(decodeStrictUtf16(bytes({0xFF, 0xFE, 0x2D, 0x4E, 0x87, 0x65})), chinese);
    EXPECT_EQ(decodeStrictUtf16(bytes({0xFE, 0xFF, 0x4E, 0x2D, 0x65, 0x87})), chinese);
    EXPECT_EQ(decodeStrictUtf16(bytes({0x4E, 0x2D, 0x65, 0x87})), chinese);
    EXPECT_EQ(decodeStrictUtf16(bytes({0xD8, 0x40, 0xDC, 0x00})), QString::fromUcs4(U"\U00020000"));
    EXPECT_FALSE(decodeStrictUtf16(bytes({0x4E, 0x2D, 0x65})));
    EXPECT_FALSE(decodeStrictUtf16(bytes({0xD8, 0x40, 0x00, 0x41})));
    EXPECT_FALSE(decodeStrictUtf16(bytes({0x00, 0x41, 0xDC, 0x00})));
    EXPECT_FALSE(decodeStrictUtf16(bytes({0xD8, 0x40})));
}

TEST(ServerText, TriesCandidatesInOrder)
{
    EXPECT_EQ(decodeServerText({}), QString(""));
    EXPECT_EQ(decodeServerText("Release 2.1: fixes"), QString("Release 2.1: fixes"));
    // UTF-8 of 中文 is also valid GB18030 (as 涓枃): UTF-8 comes first.
    EXPECT_EQ(decodeServerText(chinese.toUtf8()), chinese);

    const QString notes = QStringLiteral("固件说明：修复蓝牙连接问题");
    const QByteArray gb18030 =
        bytes({0xB9, 0xCC, 0xBC, 0xFE, 0xCB, 0xB5, 0xC3, 0xF7, 0xA3, 0xBA, 0xD0, 0xDE, 0xB8,
               0xB4, 0xC0, 0xB6, 0xD1, 0xC0, 0xC1, 0xAC, 0xBD, 0xD3, 0xCE, 0xCA, 0xCC, 0xE2});
    ASSERT_FALSE(decodeStrictUtf8(gb18030));
    EXPECT_EQ(decodeServerText(gb18030), notes);

    // Big5 中文 is also valid GB18030, which is tried first and reads it differently.
    const QByteArray big5 = bytes({0xA4, 0xA4, 0xA4, 0xE5});
    EXPECT_EQ(decodeServerText(big5), decodeLegacyCharset(big5, "GB18030"));
    EXPECT_NE(decodeServerText(big5), chinese);
}

TEST(ServerText, FallsBackToUtf16OrGivesNothing)
{
    EXPECT_EQ(decodeServerText(bytes({0xFF, 0xFE, 0x2D, 0x4E, 0x87, 0x65})), chinese);
    EXPECT_EQ(decodeServerText(bytes({0xFE, 0xFF, 0x4E, 0x2D, 0x65, 0x87})), chinese);
    // Ends in a lone lead byte for every multi-byte candidate, so only UTF-16 takes it.
    EXPECT_EQ(decodeServerText(bytes({0x4E, 0x2D, 0x65, 0x87})), chinese);

    EXPECT_FALSE(decodeServerText(bytes({0xFF})));
    EXPECT_FALSE(decodeServerText(bytes({0xFF, 0xFE, 0x00, 0xD8})));
    EXPECT_FALSE(decodeServerText(bytes({0xFF, 0xFF, 0xFF})));
}
