#pragma once

#include <cstdint>
#include <optional>
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
