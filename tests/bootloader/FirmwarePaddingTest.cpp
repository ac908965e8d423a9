#include "FirmwarePadding.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <numeric>

namespace {

std::vector<uint8_t> countingBytes(std::size_t length)
{
    std::vector<uint8_t> bytes(length);
    std::iota(bytes.begin(), bytes.end(), uint8_t{1});
    return bytes;
}

} // namespace

TEST(FirmwarePaddingTest, PadsWithZerosToWholePages)
{
    EXPECT_TRUE(padFirmware({}).empty());

    const std::vector<uint8_t> one = padFirmware(std::vector<uint8_t>{0xAB});
    ASSERT_EQ(one.size(), 1024u);
    EXPECT_EQ(one[0], 0xAB);
    EXPECT_TRUE(std::all_of(one.begin() + 1, one.end(), [](uint8_t b) { return b == 0x00; }));

    const std::vector<uint8_t> page = countingBytes(1024);
    EXPECT_EQ(padFirmware(page), page);

    const std::vector<uint8_t> overPage = countingBytes(1025);
    const std::vector<uint8_t> padded = padFirmware(overPage);
    ASSERT_EQ(padded.size(), 2048u);
    EXPECT_TRUE(std::equal(overPage.begin(), overPage.end(), padded.begin()));
    EXPECT_EQ(std::count(padded.begin() + 1025, padded.end(), 0x00), 1023);
}

TEST(FirmwarePaddingTest, ProgressOfOnePage)
{
    std::vector<int> sequence;
    for (std::size_t end = 64; end <= 1024; end += 64) {
        sequence.push_back(transferProgress(end, 1024));
    }
    EXPECT_EQ(sequence,
              (std::vector<int>{6, 12, 18, 25, 31, 37, 43, 50, 56, 62, 68, 75, 81, 87, 93, 100}));
}

TEST(FirmwarePaddingTest, ProgressOfLargeImagesRepeatsAndEndsAtHundred)
{
    const std::size_t total = 64 * 1024;
    std::vector<int> sequence;
    for (std::size_t end = 64; end <= total; end += 64) {
        sequence.push_back(transferProgress(end, total));
    }
    ASSERT_EQ(sequence.size(), 1024u);
    EXPECT_TRUE(std::is_sorted(sequence.begin(), sequence.end()));
    EXPECT_EQ(sequence.front(), 0);
    EXPECT_EQ(sequence[10], 1); // 704 * 100 / 65536, truncated
    EXPECT_EQ(sequence.back(), 100);
    EXPECT_EQ(std::count(sequence.begin(), sequence.end(), 100), 1);
    EXPECT_GT(std::count(sequence.begin(), sequence.end(), 50), 1);
}
