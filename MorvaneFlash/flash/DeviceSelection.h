#pragma once

#include "bootloader/HidBackend.h"
#include "bootloader/UsbIdentifier.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// What a bench chooses devices by, besides their ids.
struct DeviceSelector
{
    std::optional<QString> serial;
    std::optional<QString> path;
    // Shell-style patterns over the USB port path (portMatches); empty, every port.
    QStringList ports = {};

    bool isEmpty() const { return !serial && !path && ports.isEmpty(); }
    bool accepts(const HidDeviceInfo &device) const;
};

// Whether the device's USB port matches one of the shell-style patterns (*, ?, [...]), such
// as "1-1.*": how stations that share a computer split its ports. Every port when there are
// none.
bool portMatches(const QStringList &patterns, const HidDeviceInfo &device);

// The attached devices with these ids that `selector` accepts, in the platform's order.
std::vector<HidDeviceInfo> matchingDevices(const std::vector<HidDeviceInfo> &attached, UsbIds ids,
                                           const DeviceSelector &selector);

// A device's own string as the command shows it: a tab or line end in it, which would forge a
// column or a whole line for whoever reads the output, becomes U+FFFD. The console makes the
// other controls safe.
QString deviceString(const std::string &text);

// "/dev/hidraw3 (serial SIM0001, port 1-2)": how a device is named wherever one of several
// has to be told apart. The strings are the device's own; the console makes them safe.
QString deviceDescription(const HidDeviceInfo &device);

// Why flashing one device of `candidates` would be a guess: several match and nothing says
// which, or that all of them are meant. The candidates follow, one per line.
QString ambiguousChoice(const QString &product, const std::vector<HidDeviceInfo> &candidates);

// Why nothing was chosen although devices with the ids are attached: --serial or --path names
// none of them. The attached ones follow, one per line.
QString unmatchedChoice(const QString &product, const std::vector<HidDeviceInfo> &attached);
