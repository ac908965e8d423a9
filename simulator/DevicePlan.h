#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

enum class DeviceFault
{
    none,
    // Leaves the bus partway through the image.
    vanish,
    // Never answers the handshake.
    silent,
    // Opening fails with EACCES, as a hidraw node without the udev rule does.
    denied,
};

// COUNT simulated devices with the same ids, coming and going together.
struct PlannedDevice
{
    uint16_t vendorID = 0;
    uint16_t productID = 0;
    int count = 1;
    // After the start; none: there from the start.
    std::optional<std::chrono::milliseconds> arrive = {};
    // After the start and after `arrive`; none: it stays.
    std::optional<std::chrono::milliseconds> leave = {};
    DeviceFault fault = DeviceFault::none;
    // After `leave`: back on the bus as the same device (serial, port and path), as a unit
    // that restarts after its update; none: it stays away.
    std::optional<std::chrono::milliseconds> back = {};

    bool operator==(const PlannedDevice &) const = default;
};

// The entries of a plan, or why it was refused.
struct DevicePlan
{
    std::vector<PlannedDevice> entries;
    // Empty when the plan was read; otherwise names the entry and what is wrong with it.
    std::string error;
};

// How a plan is written, for usage messages: times are seconds after the start, with up to
// three decimals.
inline constexpr std::string_view devicePlanSyntax =
    "VID:PID[*COUNT][@ARRIVE[-LEAVE[+BACK]]][!vanish|silent|denied],...";

// Reads a comma-separated plan written as devicePlanSyntax says: ids of 1 to 4 hexadecimal
// digits, not zero; at most 256 devices in all; times up to a day. Blank text is a plan
// without devices.
DevicePlan parseDevicePlan(std::string_view plan);
