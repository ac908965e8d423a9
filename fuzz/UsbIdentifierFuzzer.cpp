// Catalogue identifiers read in radix 16, checked against the standard library's reader.
#include "FuzzCheck.h"
#include "UsbIdentifier.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

namespace {

// std::from_chars takes a '-' but no '+', and the whole text must be consumed.
std::optional<int64_t> referenceParse(std::string_view text)
{
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (!text.empty() && text.front() == '-') {
            return std::nullopt;
        }
    }
    int64_t value = 0;
    const char *end = text.data() + text.size();
    const auto [ptr, error] = std::from_chars(text.data(), end, value, 16);
    if (error != std::errc() || ptr != end) {
        return std::nullopt;
    }
    return value;
}

std::string hexText(int64_t value)
{
    const uint64_t magnitude = value < 0 ? 0 - static_cast<uint64_t>(value) : uint64_t(value);
    char digits[20];
    const auto [end, error] = std::to_chars(digits, digits + sizeof digits, magnitude, 16);
    FUZZ_CHECK(error == std::errc());
    return (value < 0 ? "-" : "") + std::string(digits, end);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    const std::optional<int64_t> value = parseUSBIdentifier(text);
    FUZZ_CHECK(value == referenceParse(text));
    if (!value) {
        return 0;
    }

    // The value survives printing and reading back, upper-case digits included.
    const std::string printed = hexText(*value);
    FUZZ_CHECK(parseUSBIdentifier(printed) == value);
    std::string upper = printed;
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](char c) { return char(std::toupper(c)); });
    FUZZ_CHECK(parseUSBIdentifier(upper) == value);

    // Only a value that fits 16 bits can match a device, and then only its own.
    const bool fits = *value >= 0 && *value <= 0xFFFF;
    const auto narrow = static_cast<uint16_t>(*value);
    FUZZ_CHECK(usbIdentifiersMatch(*value, *value, narrow, narrow) == fits);
    FUZZ_CHECK(!usbIdentifiersMatch(*value, *value, uint16_t(narrow + 1), narrow));
    return 0;
}
