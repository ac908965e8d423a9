#include "bootloader/BootloaderError.h"

#include <QCoreApplication>
#include <cstdio>
#include <utility>

namespace {

struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(BootloaderError)
};

// The messages are translated when the error is made: the translators are installed before
// any device is opened, and the error carries its text to whichever thread shows it.
std::string stdText(const QString &message)
{
    return message.toStdString();
}

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
        m_message = stdText(Texts::tr("Invalid USB identifier."));
        break;
    case Kind::deviceNotFound:
        m_message = stdText(Texts::tr("Device not found."));
        break;
    case Kind::readTimedOut:
        m_message = stdText(Texts::tr("Timed out waiting for bootloader response."));
        break;
    case Kind::invalidVersion:
        m_message = stdText(Texts::tr("Invalid firmware version."));
        break;
    default:
        // The payload-carrying kinds build their message in their factory.
        break;
    }
}

BootloaderError BootloaderError::withCode(Kind kind, int32_t code, std::string message)
{
    BootloaderError error(kind);
    error.m_code = code;
    error.m_message = std::move(message);
    return error;
}

BootloaderError BootloaderError::openFailed(int32_t code)
{
    return withCode(Kind::openFailed, code,
                    stdText(Texts::tr("Unable to open HID device. IOKit code: %1.").arg(code)));
}

BootloaderError BootloaderError::writeFailed(int32_t code)
{
    return withCode(Kind::writeFailed, code,
                    stdText(Texts::tr("Unable to write HID report. IOKit code: %1.").arg(code)));
}

BootloaderError BootloaderError::readFailed(int32_t code)
{
    return withCode(Kind::readFailed, code,
                    stdText(Texts::tr("Unable to read HID report. IOKit code: %1.").arg(code)));
}

BootloaderError BootloaderError::unexpectedResponseLength(int64_t length)
{
    BootloaderError error(Kind::unexpectedResponseLength);
    error.m_length = length;
    error.m_message = stdText(Texts::tr("Unexpected HID response length: %1.").arg(length));
    return error;
}

BootloaderError BootloaderError::unexpectedHandshake(std::vector<uint8_t> bytes)
{
    BootloaderError error(Kind::unexpectedHandshake);
    error.m_message = stdText(Texts::tr("Unexpected bootloader response: %1.")
                                  .arg(QString::fromStdString(byteList(bytes))));
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
