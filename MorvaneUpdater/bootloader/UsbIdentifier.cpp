#include "bootloader/UsbIdentifier.h"

#include <cstdio>
#include <limits>

namespace {

int hexDigitValue(char c)
{
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

} // namespace

std::optional<int64_t> parseUSBIdentifier(std::string_view text)
{
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) {
        return std::nullopt;
    }

    // The magnitude is gathered unsigned so that INT64_MIN, whose magnitude exceeds
    // INT64_MAX by one, is still representable on the way.
    constexpr uint64_t maxPositive = static_cast<uint64_t>(std::numeric_limits<int64_t>::max());
    const uint64_t limit = negative ? maxPositive + 1 : maxPositive;
    uint64_t magnitude = 0;
    for (const char c : text) {
        const int digit = hexDigitValue(c);
        if (digit < 0) {
            return std::nullopt;
        }
        if (magnitude > (limit - static_cast<uint64_t>(digit)) / 16) {
            return std::nullopt;
        }
        magnitude = magnitude * 16 + static_cast<uint64_t>(digit);
    }

    if (!negative) {
        return static_cast<int64_t>(magnitude);
    }
    if (magnitude == maxPositive + 1) {
        return std::numeric_limits<int64_t>::min();
    }
    return -static_cast<int64_t>(magnitude);
}

bool usbIdentifiersMatch(int64_t vendorID, int64_t productID, uint16_t deviceVendorID,
                         uint16_t deviceProductID)
{
    return vendorID == static_cast<int64_t>(deviceVendorID) &&
           productID == static_cast<int64_t>(deviceProductID);
}

std::optional<UsbIds> usbIdsOf(std::string_view vendorText, std::string_view productText)
{
    const std::optional<uint16_t> vendorID = usbIdOf(vendorText);
    const std::optional<uint16_t> productID = usbIdOf(productText);
    if (!vendorID || !productID) {
        return std::nullopt;
    }
    return UsbIds{*vendorID, *productID};
}

std::optional<uint16_t> usbIdOf(std::string_view text)
{
    const std::optional<int64_t> id = parseUSBIdentifier(text);
    if (!id) {
        return std::nullopt;
    }
    const std::optional<UsbIds> ids = usbIdsOf(*id, 0);
    return ids ? std::optional(ids->vendorID) : std::nullopt;
}

std::optional<UsbIds> usbIdsOf(int64_t vendorID, int64_t productID)
{
    if (vendorID < 0 || vendorID > 0xFFFF || productID < 0 || productID > 0xFFFF) {
        return std::nullopt;
    }
    return UsbIds{static_cast<uint16_t>(vendorID), static_cast<uint16_t>(productID)};
}

bool isWatchable(UsbIds ids)
{
    return ids.vendorID != 0 && ids.productID != 0;
}

std::string usbIdText(uint16_t id)
{
    char text[5];
    std::snprintf(text, sizeof text, "%04X", static_cast<unsigned>(id));
    return text;
}

std::string usbIdsText(UsbIds ids)
{
    return usbIdText(ids.vendorID) + ':' + usbIdText(ids.productID);
}
