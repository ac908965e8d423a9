#include "UsbIdentifier.h"

#include <gtest/gtest.h>
#include <limits>

TEST(UsbIdentifierTest, AcceptsSignedHexInEitherCase)
{
    EXPECT_EQ(parseUSBIdentifier("1A2B"), 0x1A2B);
    EXPECT_EQ(parseUSBIdentifier("1a2B"), 0x1A2B);
    EXPECT_EQ(parseUSBIdentifier("+1A2B"), 0x1A2B);
    EXPECT_EQ(parseUSBIdentifier("-1"), -1);
    EXPECT_EQ(parseUSBIdentifier("0"), 0);
    EXPECT_EQ(parseUSBIdentifier("00001A2B"), 0x1A2B);
    // No 16-bit range check.
    EXPECT_EQ(parseUSBIdentifier("12345"), 0x12345);
}

TEST(UsbIdentifierTest, CoversTheSigned64BitRange)
{
    EXPECT_EQ(parseUSBIdentifier("7FFFFFFFFFFFFFFF"), std::numeric_limits<int64_t>::max());
    EXPECT_EQ(parseUSBIdentifier("-8000000000000000"), std::numeric_limits<int64_t>::min());
    EXPECT_EQ(parseUSBIdentifier("-7FFFFFFFFFFFFFFF"), -std::numeric_limits<int64_t>::max());
    EXPECT_EQ(parseUSBIdentifier("8000000000000000"), std::nullopt);
    EXPECT_EQ(parseUSBIdentifier("-8000000000000001"), std::nullopt);
    EXPECT_EQ(parseUSBIdentifier("10000000000000000"), std::nullopt);
    EXPECT_EQ(parseUSBIdentifier("FFFFFFFFFFFFFFFFF"), std::nullopt);
}

TEST(UsbIdentifierTest, RejectsAnythingElse)
{
    for (const char *text : {"", "+", "-", "0x1A", "0X1A", " 1A", "1A ", "1 A", "1A2G", "+-1",
                             "--1", "++1", "1A\n", "１A"}) {
        EXPECT_EQ(parseUSBIdentifier(text), std::nullopt) << '"' << text << '"';
    }
}

TEST(UsbIdentifierTest, MatchesExactlyWithoutTruncation)
{
    EXPECT_TRUE(usbIdentifiersMatch(0x1A2B, 0x3C4D, 0x1A2B, 0x3C4D));
    EXPECT_TRUE(usbIdentifiersMatch(0, 0, 0, 0));
    // 0 is no wildcard.
    EXPECT_FALSE(usbIdentifiersMatch(0, 0x3C4D, 0x1A2B, 0x3C4D));
    EXPECT_FALSE(usbIdentifiersMatch(0x1A2B, 0, 0x1A2B, 0x3C4D));
    // Wider values are not cut down onto a 16-bit identifier.
    EXPECT_FALSE(usbIdentifiersMatch(0x11A2B, 0x3C4D, 0x1A2B, 0x3C4D));
    EXPECT_FALSE(usbIdentifiersMatch(-1, 0x3C4D, 0xFFFF, 0x3C4D));
    EXPECT_FALSE(usbIdentifiersMatch(0x1A2B, -0x10000 + 0x3C4D, 0x1A2B, 0x3C4D));
}
