#include "UnicodeText.h"

#include <gtest/gtest.h>

TEST(UnicodeText, WhiteSpaceSetIsExactlyTabLineEndsAndZs)
{
    for (char32_t c = 0; c <= 0x10FFFF; ++c) {
        const bool lineEnd = (c >= 0x0A && c <= 0x0D) || c == 0x85 || c == 0x2028 || c == 0x2029;
        const bool expected = c == 0x09 || lineEnd || QChar::category(c) == QChar::Separator_Space;
        ASSERT_EQ(isNewline(c), lineEnd) << std::hex << unsigned(c);
        ASSERT_EQ(isWhitespaceOrNewline(c), expected) << std::hex << unsigned(c);
    }
    EXPECT_FALSE(isWhitespaceOrNewline(0x200B)); // zero-width space is Cf
    EXPECT_FALSE(isWhitespaceOrNewline(0xFEFF));
}

TEST(UnicodeText, TrimsBothEndsOnly)
{
    EXPECT_EQ(trimWhitespaceAndNewlines(QString("\t\u3000a \u00A0b\u2029 ")), "a \u00A0b");
    EXPECT_EQ(trimWhitespaceAndNewlines(QString(" \u2028\t")), "");
    EXPECT_EQ(trimWhitespaceAndNewlines(QString("\u200Ba\u200B")), "\u200Ba\u200B");
}

TEST(UnicodeText, CanonicalEquivalenceIsCaseSensitive)
{
    EXPECT_TRUE(canonicallyEqual("\u00C5", "A\u030A"));
    EXPECT_TRUE(canonicallyEqual("\u212B", "\u00C5")); // angstrom sign is a singleton
    EXPECT_FALSE(canonicallyEqual("\u00E5", "A\u030A"));
    EXPECT_FALSE(canonicallyEqual("abc", "abd"));
    EXPECT_EQ(canonicalForm("e\u0301"), "\u00E9");
}
