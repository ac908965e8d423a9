#pragma once

#include "Invocation.h"
#include "bootloader/HidBackend.h"
#include "bootloader/UsbIdentifier.h"

#include <QString>
#include <optional>
#include <vector>

// What a bench chooses devices by, besides their ids.
struct DeviceSelector
{
    std::optional<QString> serial;
    std::optional<QString> path;

    bool isEmpty() const { return !serial && !path; }
    bool accepts(const HidDeviceInfo &device) const;
};

DeviceSelector deviceSelectorOf(const Invocation &invocation);

// The attached devices with these ids that `selector` accepts, in the platform's order.
std::vector<HidDeviceInfo> matchingDevices(const std::vector<HidDeviceInfo> &attached, UsbIds ids,
                                           const DeviceSelector &selector);

// "/dev/hidraw3 (serial SIM0001, port 1-2)": how a device is named wherever one of several
// has to be told apart. The strings are the device's own; the console makes them safe.
QString deviceDescription(const HidDeviceInfo &device);

// Why flashing one device of `candidates` would be a guess: several match and nothing says
// which, or that all of them are meant. The candidates follow, one per line.
QString ambiguousChoice(const QString &product, const std::vector<HidDeviceInfo> &candidates);
