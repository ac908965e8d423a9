#include "bootloader/BootloaderError.h"

#include <cstdio>
#include <utility>

namespace {

std::string byteList(const std::vector<uint8_t> &bytes)
{
    std::string text;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        char hex[3];
        std::snprintf(hex, sizeof hex, "%02X", static_cast<unsigned>(bytes[i]));
        if (i > 0) {
            text += ' ';
        }
        text += hex;
    }
    return text;
}

} // namespace

BootloaderError::BootloaderError(Kind kind) : m_kind(kind)
{
    switch (kind) {
    case Kind::invalidUSBIdentifier:
        m_message = "Invalid USB identifier.";
        break;
    case Kind::deviceNotFound:
        m_message = "Device not found.";
        break;
    case Kind::readTimedOut:
        m_message = "Timed out waiting for bootloader response.";
        break;
    case Kind::invalidVersion:
        m_message = "Invalid firmware version.";
        break;
    default:
        // The payload-carrying kinds build their message in their factory.
        break;
    }
}

BootloaderError BootloaderError::withCode(Kind kind, const char *lead, int32_t code)
{
    BootloaderError error(kind);
    error.m_code = code;
    error.m_message = lead + std::to_string(code) + ".";
    return error;
}

BootloaderError BootloaderError::openFailed(int32_t code)
{
    return withCode(Kind::openFailed, "Unable to open HID device. IOKit code: ", code);
}

BootloaderError BootloaderError::writeFailed(int32_t code)
{
    return withCode(Kind::writeFailed, "Unable to write HID report. IOKit code: ", code);
}

BootloaderError BootloaderError::readFailed(int32_t code)
{
    return withCode(Kind::readFailed, "Unable to read HID report. IOKit code: ", code);
}

BootloaderError BootloaderError::unexpectedResponseLength(int64_t length)
{
    BootloaderError error(Kind::unexpectedResponseLength);
    error.m_length = length;
    error.m_message = "Unexpected HID response length: " + std::to_string(length) + ".";
    return error;
}

BootloaderError BootloaderError::unexpectedHandshake(std::vector<uint8_t> bytes)
{
    BootloaderError error(Kind::unexpectedHandshake);
    error.m_message = "Unexpected bootloader response: " + byteList(bytes) + ".";
    error.m_bytes = std::move(bytes);
    return error;
}

BootloaderError BootloaderError::invalidUSBIdentifier()
{
    return BootloaderError(Kind::invalidUSBIdentifier);
}

BootloaderError BootloaderError::deviceNotFound()
{
    return BootloaderError(Kind::deviceNotFound);
}

BootloaderError BootloaderError::readTimedOut()
{
    return BootloaderError(Kind::readTimedOut);
}

BootloaderError BootloaderError::invalidVersion()
{
    return BootloaderError(Kind::invalidVersion);
}
