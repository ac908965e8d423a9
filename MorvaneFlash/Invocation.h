#pragma once

#include "bootloader/UsbIdentifier.h"

#include <QString>
#include <QStringList>
#include <QUrl>
#include <chrono>
#include <cstdint>
#include <optional>

// One parsed command line.
struct Invocation
{
    QString command;
    // The arguments after the command's name.
    QStringList arguments;
    QUrl listURL;
    bool json = false;
    bool quiet = false;
    bool allDevices = false;
    bool fetch = false;
    // Flash on a battery below lowBatteryPercent all the same.
    bool ignoreBattery = false;
    QString file;
    // flash --file: the digest the image must have, as "sha256:" and 64 hexadecimal digits.
    QString sha256;
    QString publicKey;

    // --vid and --pid, for --file and devices.
    std::optional<UsbIds> ids;
    // Device selectors: only a device with this serial number, or at this path.
    std::optional<QString> serial;
    std::optional<QString> path;
    // --wait: wait for a matching device, for ever without a limit.
    bool wait = false;
    std::optional<std::chrono::milliseconds> waitLimit;
    // devices: tell arrivals and departures; flash: flash each device as it arrives.
    bool watch = false;
    // The bench's record, appended to.
    QString log;
    // doctor: where udev's rules folders are looked for; "/" but in tests.
    QString root = QStringLiteral("/");
    // flash --watch: how long a flashed device without a serial number has to come back on its
    // USB port before a device arriving there is taken for a new unit; unset, the default.
    std::optional<std::chrono::milliseconds> settle;
};
