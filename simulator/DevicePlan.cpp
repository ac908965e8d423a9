#include "DevicePlan.h"

#include <algorithm>
#include <charconv>
#include <tuple>
#include <utility>

namespace {

// More would make a list nobody reads, and hundreds of flashing threads on a small machine.
constexpr int maximumDevices = 256;
constexpr std::chrono::milliseconds latestTime = std::chrono::hours(24);

std::string_view trimmed(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// The whole of `text` as a number in `base`; no sign, no prefix, no blanks.
template <typename Number> std::optional<Number> wholeNumber(std::string_view text, int base = 10)
{
    Number value = 0;
    const char *end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value, base);
    if (text.empty() || error != std::errc() || stop != end) {
        return std::nullopt;
    }
    return value;
}

std::optional<uint16_t> usbId(std::string_view text)
{
    const std::optional<unsigned> id =
        text.size() <= 4 ? wholeNumber<unsigned>(text, 16) : std::nullopt;
    if (!id || *id == 0) {
        return std::nullopt;
    }
    return uint16_t(*id);
}

// Seconds with up to three decimals, exactly: "1.5", "0.25", "12".
std::optional<std::chrono::milliseconds> seconds(std::string_view text)
{
    const std::size_t dot = text.find('.');
    const std::string_view decimals =
        dot == std::string_view::npos ? std::string_view() : text.substr(dot + 1);
    const std::optional<unsigned long> whole = wholeNumber<unsigned long>(text.substr(0, dot));
    if (!whole || *whole > static_cast<unsigned long>(latestTime.count() / 1000) ||
        (dot != std::string_view::npos && (decimals.empty() || decimals.size() > 3))) {
        return std::nullopt;
    }
    unsigned long thousandths = 0;
    if (!decimals.empty()) {
        const std::optional<unsigned long> digits = wholeNumber<unsigned long>(decimals);
        if (!digits) {
            return std::nullopt;
        }
        thousandths = *digits * (decimals.size() == 1 ? 100 : decimals.size() == 2 ? 10 : 1);
    }
    const std::chrono::milliseconds time(static_cast<long>(*whole * 1000 + thousandths));
    if (time > latestTime) {
        return std::nullopt;
    }
    return time;
}

std::optional<DeviceFault> fault(std::string_view name)
{
    for (const auto &[known, fault] :
         {std::pair{"vanish", DeviceFault::vanish}, std::pair{"silent", DeviceFault::silent},
          std::pair{"denied", DeviceFault::denied}}) {
        if (name == known) {
            return fault;
        }
    }
    return std::nullopt;
}

std::string quoted(std::string_view text)
{
    return "\"" + std::string(text) + "\"";
}

// ARRIVE, ARRIVE-LEAVE or ARRIVE-LEAVE+BACK into `device`; why they cannot be, or nothing.
std::string readTimes(std::string_view times, PlannedDevice &device)
{
    const std::size_t dash = times.find('-');
    const std::size_t plus = dash == std::string_view::npos ? dash : times.find('+', dash);
    device.arrive = seconds(times.substr(0, dash));
    if (dash != std::string_view::npos) {
        device.leave = seconds(times.substr(dash + 1, plus - dash - 1));
    }
    if (plus != std::string_view::npos) {
        device.back = seconds(times.substr(plus + 1));
    }
    if (!device.arrive || (dash != std::string_view::npos && !device.leave) ||
        (plus != std::string_view::npos && !device.back)) {
        return "the times " + quoted(times) +
               " are not ARRIVE, ARRIVE-LEAVE or ARRIVE-LEAVE+BACK in seconds "
               "(up to a day, at most three decimals)";
    }
    if (device.leave && *device.leave <= *device.arrive) {
        return "it must leave after it arrives";
    }
    if (device.back && *device.back <= *device.leave) {
        return "it must come back after it leaves";
    }
    return {};
}

// The entry, or why it cannot be read. The parts are split off from the end, so one out of
// order shows up inside the part before it, named in the message.
std::pair<PlannedDevice, std::string> plannedDevice(std::string_view entry)
{
    PlannedDevice device;
    if (const std::size_t bang = entry.find('!'); bang != std::string_view::npos) {
        const std::optional<DeviceFault> named = fault(entry.substr(bang + 1));
        if (!named) {
            return {device, "the fault " + quoted(entry.substr(bang + 1)) +
                                " is none of vanish, silent and denied"};
        }
        device.fault = *named;
        entry = entry.substr(0, bang);
    }
    if (const std::size_t at = entry.find('@'); at != std::string_view::npos) {
        if (std::string problem = readTimes(entry.substr(at + 1), device); !problem.empty()) {
            return {device, problem};
        }
        entry = entry.substr(0, at);
    }
    if (const std::size_t star = entry.find('*'); star != std::string_view::npos) {
        const std::optional<int> count = wholeNumber<int>(entry.substr(star + 1));
        if (!count || *count < 1 || *count > maximumDevices) {
            return {device, "the count " + quoted(entry.substr(star + 1)) +
                                " is not a whole number from 1 to " +
                                std::to_string(maximumDevices)};
        }
        device.count = *count;
        entry = entry.substr(0, star);
    }
    const std::size_t colon = entry.find(':');
    if (colon == std::string_view::npos) {
        return {device, "it does not start with VID:PID"};
    }
    for (const auto &[name, text, id] :
         {std::tuple{"vendor", entry.substr(0, colon), &device.vendorID},
          std::tuple{"product", entry.substr(colon + 1), &device.productID}}) {
        const std::optional<uint16_t> read = usbId(text);
        if (!read) {
            return {device, std::string("the ") + name + " id " + quoted(text) +
                                " is not 1 to 4 hexadecimal digits other than 0"};
        }
        *id = *read;
    }
    return {device, {}};
}

} // namespace

DevicePlan parseDevicePlan(std::string_view plan)
{
    DevicePlan read;
    if (trimmed(plan).empty()) {
        return read;
    }
    int devices = 0;
    for (std::size_t start = 0; start <= plan.size();) {
        const std::size_t comma = std::min(plan.find(',', start), plan.size());
        const std::string_view entry = trimmed(plan.substr(start, comma - start));
        start = comma + 1;
        if (entry.empty()) {
            return {{},
                    "the device plan has an empty entry (two commas in a row, or one at an "
                    "end)"};
        }
        auto [device, problem] = plannedDevice(entry);
        if (!problem.empty()) {
            return {{}, "device plan entry \"" + std::string(entry) + "\": " + problem};
        }
        devices += device.count;
        if (devices > maximumDevices) {
            return {{},
                    "the device plan has more than " + std::to_string(maximumDevices) + " devices"};
        }
        read.entries.push_back(device);
    }
    return read;
}
