#pragma once

#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// A catalogue identifier read in radix 16: an optional single "+" or "-", then one or more
// hex digits, nothing else (no "0x", no blanks). Nothing when the text is not such a
// number or does not fit a signed 64-bit value. No range check to 16 bits.
std::optional<int64_t> parseUSBIdentifier(std::string_view text);

// Whether a device carrying the 16-bit identifiers matches the wanted ones. Exact
// comparison in 64 bits: 0 is no wildcard, and a value outside 0..0xFFFF (a negative one
// included) matches no device instead of being truncated onto one.
bool usbIdentifiersMatch(int64_t vendorID, int64_t productID, uint16_t deviceVendorID,
                         uint16_t deviceProductID);

// A vendor and product id pair as a device carries it.
struct UsbIds
{
    uint16_t vendorID = 0;
    uint16_t productID = 0;

    auto operator<=>(const UsbIds &) const = default;
};

// The pair that catalogue texts name: both read as parseUSBIdentifier reads them and within
// 16 bits. Nothing otherwise, so that an identifier no device can carry matches none.
std::optional<UsbIds> usbIdsOf(std::string_view vendorText, std::string_view productText);
// One id of such a pair.
std::optional<uint16_t> usbIdOf(std::string_view text);
std::optional<UsbIds> usbIdsOf(int64_t vendorID, int64_t productID);

// Whether the pair is one to watch for: 0, which no device is taken to carry, is not.
bool isWatchable(UsbIds ids);

// "1A86": four upper-case hexadecimal digits, as every listing and record writes an id.
std::string usbIdText(uint16_t id);
// "1A86:E0A1"
std::string usbIdsText(UsbIds ids);
