#include "BootloaderError.h"
#include "UsbIdentifier.h"

#include <gtest/gtest.h>
#include <limits>
#include <utility>
#include <vector>

TEST(BootloaderErrorTest, MessagesAreExact)
{
    const std::pair<BootloaderError, const char *> cases[] = {
        {BootloaderError::openFailed(static_cast<int32_t>(0xE00002C5)),
         "Unable to open HID device. IOKit code: -536870203."},
        {BootloaderError::writeFailed(5), "Unable to write HID report. IOKit code: 5."},
        {BootloaderError::readFailed(0), "Unable to read HID report. IOKit code: 0."},
        {BootloaderError::unexpectedResponseLength(-7), "Unexpected HID response length: -7."},
        {BootloaderError::unexpectedHandshake({0x00, 0x0A, 0xFF, 0x10, 0x01, 0x01, 0x02, 0x00}),
         "Unexpected bootloader response: 00 0A FF 10 01 01 02 00."},
        {BootloaderError::unexpectedHandshake({}), "Unexpected bootloader response: ."},
        {BootloaderError::invalidUSBIdentifier(), "Invalid USB identifier."},
        {BootloaderError::deviceNotFound(), "Device not found."},
        {BootloaderError::readTimedOut(), "Timed out waiting for bootloader response."},
        {BootloaderError::invalidVersion(), "Invalid firmware version."},
    };
    for (const auto &[error, message] : cases) {
        EXPECT_EQ(error.errorDescription(), message);
        EXPECT_STREQ(error.what(), message);
    }
}

TEST(UsbIdentifierTest, ReadsSignedHexOnly)
{
    constexpr int64_t max = std::numeric_limits<int64_t>::max();
    // "12345": there is no 16-bit range check.
    std::vector<std::optional<int64_t>> parsed;
    for (const char *text : {"1A2B", "1a2B", "+1A2B", "-1", "0", "00001A2B", "12345",
                             "7FFFFFFFFFFFFFFF", "-8000000000000000"}) {
        parsed.push_back(parseUSBIdentifier(text));
    }
    EXPECT_EQ(parsed, (std::vector<std::optional<int64_t>>{0x1A2B, 0x1A2B, 0x1A2B, -1, 0, 0x1A2B,
                                                           0x12345, max, -max - 1}));
    for (const char *text :
         {"8000000000000000", "-8000000000000001", "FFFFFFFFFFFFFFFFF", "", "+", "-", "0x1A",
          "0X1A", " 1A", "1A ", "1 A", "1A2G", "+-1", "--1", "++1", "1A\n", "１A"}) {
        EXPECT_EQ(parseUSBIdentifier(text), std::nullopt) << '"' << text << '"';
    }
}
