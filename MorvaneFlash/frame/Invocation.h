#pragma once

#include "bootloader/UsbIdentifier.h"
#include "station/StationTags.h"

#include <QString>
#include <QStringList>
#include <QUrl>
#include <chrono>
#include <cstdint>
#include <optional>

// sign's --expires when none is given: a month, so that a list held back from its
// successors stops being taken soon, with time to sign the next one.
inline constexpr int defaultExpiresDays = 30;

// One parsed command line.
struct Invocation
{
    QString command;
    // The arguments after the command's name.
    QStringList arguments;
    QUrl listURL;
    // --bundle: the folder everything is read from instead of the network; empty for the web.
    QString bundle;
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
    // sign: the minisign secret key, and how many days the signed list stays acceptable.
    QString secretKey;
    int expiresDays = defaultExpiresDays;

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
    // flash: --station and --label, in every log line, journal entry and metric.
    StationTags tags;
    // flash --watch: each unit's end to the systemd journal, and to this metrics file.
    bool journal = false;
    QString metrics;
    // --port PATTERN, repeatable: only devices at a USB port one of them matches (flash,
    // flash --watch, devices); empty, every port.
    QStringList ports;
    // flash --watch: how long the drain after the first stop signal waits; unset, until the
    // units in transfer have ended.
    std::optional<std::chrono::milliseconds> drainTimeout;
};
