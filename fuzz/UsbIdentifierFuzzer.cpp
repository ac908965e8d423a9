// Catalogue identifiers read in radix 16, checked against the standard library's reader.
#include "FuzzCheck.h"
#include "bootloader/UsbIdentifier.h"

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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    const std::optional<int64_t> value = parseUSBIdentifier(text);
    FUZZ_CHECK(value == referenceParse(text));
    // The pair every caller reads: there exactly when the text names a 16-bit id.
    const std::optional<UsbIds> ids = usbIdsOf(text, text);
    FUZZ_CHECK(ids.has_value() == (value && *value >= 0 && *value <= 0xFFFF));
    if (ids) {
        // What every listing writes reads back as the same pair.
        const std::string written = usbIdsText(*ids);
        FUZZ_CHECK(written.size() == 9 && written[4] == ':');
        FUZZ_CHECK(usbIdsOf(written.substr(0, 4), written.substr(5)) == ids);
        FUZZ_CHECK(ids->vendorID == *value);
    }
    if (!value) {
        return 0;
    }

    // Only a value that fits 16 bits can match a device, and then only its own.
    const bool fits = *value >= 0 && *value <= 0xFFFF;
    const auto narrow = static_cast<uint16_t>(*value);
    FUZZ_CHECK(usbIdentifiersMatch(*value, *value, narrow, narrow) == fits);
    FUZZ_CHECK(!usbIdentifiersMatch(*value, *value, uint16_t(narrow + 1), narrow));
    return 0;
}
