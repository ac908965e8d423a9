#include "BootloaderError.h"

#include <gtest/gtest.h>
#include <stdexcept>

TEST(BootloaderErrorTest, MessagesOfEveryCase)
{
    EXPECT_EQ(BootloaderError::openFailed(static_cast<int32_t>(0xE00002C5)).errorDescription(),
              "Unable to open HID device. IOKit code: -536870203.");
    EXPECT_EQ(BootloaderError::writeFailed(5).errorDescription(),
              "Unable to write HID report. IOKit code: 5.");
    EXPECT_EQ(BootloaderError::readFailed(0).errorDescription(),
              "Unable to read HID report. IOKit code: 0.");
    EXPECT_EQ(BootloaderError::unexpectedResponseLength(32).errorDescription(),
              "Unexpected HID response length: 32.");
    EXPECT_EQ(BootloaderError::unexpectedHandshake({0x00, 0x0A, 0xFF, 0x10, 0x01, 0x01, 0x02, 0x00})
                  .errorDescription(),
              "Unexpected bootloader response: 00 0A FF 10 01 01 02 00.");
    EXPECT_EQ(BootloaderError::unexpectedHandshake({}).errorDescription(),
              "Unexpected bootloader response: .");
    EXPECT_EQ(BootloaderError::invalidUSBIdentifier().errorDescription(),
              "Invalid USB identifier.");
    EXPECT_EQ(BootloaderError::deviceNotFound().errorDescription(), "Device not found.");
    EXPECT_EQ(BootloaderError::readTimedOut().errorDescription(),
              "Timed out waiting for bootloader response.");
    EXPECT_EQ(BootloaderError::invalidVersion().errorDescription(), "Invalid firmware version.");
}

TEST(BootloaderErrorTest, CarriesItsPayload)
{
    const BootloaderError open = BootloaderError::openFailed(static_cast<int32_t>(0xE00002C5));
    EXPECT_EQ(open.kind(), BootloaderError::Kind::openFailed);
    EXPECT_EQ(open.code(), -536870203);

    const BootloaderError length = BootloaderError::unexpectedResponseLength(-7);
    EXPECT_EQ(length.length(), -7);
    EXPECT_EQ(length.errorDescription(), "Unexpected HID response length: -7.");

    EXPECT_EQ(BootloaderError::writeFailed(1), BootloaderError::writeFailed(1));
    EXPECT_FALSE(BootloaderError::writeFailed(1) == BootloaderError::writeFailed(2));
    EXPECT_FALSE(BootloaderError::writeFailed(1) == BootloaderError::openFailed(1));
}

TEST(BootloaderErrorTest, CaughtAsGeneralErrorGivesTheMessage)
{
    try {
        throw BootloaderError::deviceNotFound();
    } catch (const std::exception &error) {
        EXPECT_STREQ(error.what(), "Device not found.");
    }
}
