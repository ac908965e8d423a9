#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// A catalogue identifier read in radix 16: an optional single "+" or "-", then one or more
// hex digits, nothing else (no "0x", no blanks). Nothing when the text is not such a
// number or does not fit a signed 64-bit value. No range check to 16 bits.
std::optional<int64_t> parseUSBIdentifier(std::string_view text);
