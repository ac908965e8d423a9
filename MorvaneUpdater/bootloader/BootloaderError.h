#pragma once

#include <cstdint>
#include <exception>
#include <string>
#include <vector>

// The one error type of the bootloader client; its message is shown to the user verbatim.
class BootloaderError final : public std::exception
{
public:
    enum class Kind
    {
        openFailed,
        writeFailed,
        readFailed,
        unexpectedResponseLength,
        unexpectedHandshake,
        invalidUSBIdentifier,
        deviceNotFound,
        readTimedOut,
        invalidVersion,
    };

    static BootloaderError openFailed(int32_t code);
    static BootloaderError writeFailed(int32_t code);
    static BootloaderError readFailed(int32_t code);
    static BootloaderError unexpectedResponseLength(int64_t length);
    static BootloaderError unexpectedHandshake(std::vector<uint8_t> bytes);
    static BootloaderError invalidUSBIdentifier();
    static BootloaderError deviceNotFound();
    static BootloaderError readTimedOut();
    static BootloaderError invalidVersion();

    Kind kind() const noexcept { return m_kind; }
    // Payloads; each is meaningful only for the kinds that carry it.
    int32_t code() const noexcept { return m_code; }
    int64_t length() const noexcept { return m_length; }
    const std::vector<uint8_t> &bytes() const noexcept { return m_bytes; }

    // The message of the case, e.g. "Device not found.".
    const std::string &errorDescription() const noexcept { return m_message; }
    const char *what() const noexcept override { return m_message.c_str(); }

private:
    explicit BootloaderError(Kind kind);
    static BootloaderError withCode(Kind kind, int32_t code, std::string message);

    Kind m_kind;
    int32_t m_code = 0;
    int64_t m_length = 0;
    std::vector<uint8_t> m_bytes;
    std::string m_message;
};
