#include "bootloader/BootloaderError.h"
#include "bootloader/HIDBootloader.h"

#include <gtest/gtest.h>
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

TEST(HIDBootloaderPace, SecondsLeftCountTheReportsStillToGoAt50Ms)
{
    // A page of 1024 bytes is 16 reports; an image is padded to whole pages.
    const struct
    {
        int percent;
        std::size_t bytes;
        double seconds;
    } cases[] = {
        {0, 256, 0.8},
        {0, 1024, 0.8},
        {0, 1025, 1.6},
        {100, 1025, 0},
        {50, std::size_t(1) << 20, 409.6},
        {95, 8192, 0.3},
    };
    for (const auto &c : cases) {
        EXPECT_DOUBLE_EQ(HIDBootloader::secondsLeft(c.percent, c.bytes), c.seconds)
            << c.percent << " " << c.bytes;
    }
}
