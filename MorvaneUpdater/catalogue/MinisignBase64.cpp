#include "MinisignBase64.h"

#include "Sodium.h"

#include <sodium.h>

std::optional<QByteArray> decodeMinisignBase64(QByteArrayView text)
{
    if (!sodiumReady() || text.isEmpty()) {
        return std::nullopt;
    }
    QByteArray bytes(text.size() / 4 * 3 + 3, '\0');
    size_t length = 0;
    const char *end = nullptr;
    if (sodium_base642bin(reinterpret_cast<unsigned char *>(bytes.data()), size_t(bytes.size()),
                          text.data(), size_t(text.size()), nullptr, &length, &end,
                          sodium_base64_VARIANT_ORIGINAL) != 0 ||
        end != text.data() + text.size()) {
        return std::nullopt;
    }
    bytes.truncate(qsizetype(length));
    return bytes;
}
