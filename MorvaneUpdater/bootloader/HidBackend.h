#pragma once

#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

// The seam between the bootloader client and the platform's HID stack. hidapi stands
// behind it in the program; the simulated bootloader device stands behind it in tests.

// What the platform tells of an attached HID device without opening it.
struct HidDeviceInfo
{
    std::string path = {};
    uint16_t vendorID = 0;
    uint16_t productID = 0;
    // UTF-8; empty when the device has none.
    std::string serialNumber = {};
    std::string manufacturer = {};
    std::string product = {};
    // The physical USB port ("1-2.4" on Linux: the bus, then each hub port on the way);
    // empty where the platform does not say.
    std::string usbPort = {};

    bool operator==(const HidDeviceInfo &) const = default;
};

struct HidInputReport
{
    // Zero when the platform delivered the report cleanly; such reports are the only ones
    // the client looks at.
    int32_t result = 0;
    std::vector<uint8_t> bytes;
};

class HidDevice
{
public:
    virtual ~HidDevice() = default;

    // 0 on success, else the platform's error code.
    virtual int32_t open() = 0;
    // Sends one output report with report ID 0; `report` is its payload (always 64 bytes
    // from the client). 0 on success, else the platform's error code.
    virtual int32_t writeOutputReport(std::span<const uint8_t> report) = 0;
    // Waits at most `timeout` for one input report; nothing when none came. A zero timeout
    // only takes a report already queued. A failing read may return nothing at once.
    virtual std::optional<HidInputReport> readInputReport(std::chrono::milliseconds timeout) = 0;
    virtual void close() = 0;
    // Where the platform keeps the device (a hidraw node on Linux): the one name that tells
    // apart two attached devices with the same identifiers. Empty when the backend has none.
    virtual std::string path() const { return {}; }
};

class HidBackend
{
public:
    virtual ~HidBackend() = default;

    // The attached devices with exactly these identifiers, in the platform's own order,
    // none of them opened. Identifiers that no USB device can carry match nothing.
    virtual std::vector<std::unique_ptr<HidDevice>> devices(int64_t vendorID,
                                                            int64_t productID) = 0;
    // Every attached HID device, whatever its identifiers, none of them opened.
    virtual std::vector<HidDeviceInfo> attachedDevices() = 0;
    // An unopened connection to the device at `path`; opening it fails once it has gone.
    virtual std::unique_ptr<HidDevice> deviceAt(const std::string &path) = 0;
};
