#include "trust/MinisignBase64.h"

#include "trust/Sodium.h"

#include <algorithm>
#include <sodium.h>

namespace {

bool isBase64Character(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '+' ||
           c == '/' || c == '=';
}

} // namespace

std::optional<QByteArray> decodeMinisignBase64(QByteArrayView text)
{
    // libsodium 1.0.18 reads every byte above 0x7F as a digit, so a key or signature line
    // with such bytes would decode as if it held other, valid text.
    if (!sodiumReady() || text.isEmpty() ||
        !std::all_of(text.begin(), text.end(), isBase64Character)) {
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
