#pragma once

#include "flash/ProgressDisplay.h"
#include "flash/StationTags.h"

#include <QString>
#include <QStringList>
#include <chrono>
#include <optional>

// What flash --watch is asked for besides its image: how it prints, the session's battery
// check, how long a flashed unit has to come back, and where each unit's end is recorded.
struct WatchSettings
{
    OutputStyle output;
    bool ignoreBattery = false;
    // --settle: how long a flashed device without a serial number has to come back on its USB
    // port before a device arriving there is taken for a new unit; unset, the default.
    std::optional<std::chrono::milliseconds> settle;
    // --station and --label, in every log line, journal entry and metric.
    StationTags tags;
    // Each unit's end to the systemd journal (--journal), and to this metrics file (--metrics).
    bool journal = false;
    QString metrics;
    // --drain-timeout: how long the drain after the first stop request waits for the units in
    // transfer before stopping them at a report boundary; unset, until they have ended.
    std::optional<std::chrono::milliseconds> drainTimeout;
    // --port: shell-style patterns (*, ?, [...]) over the USB port path, such as "1-1.*": the
    // watch takes only devices at a port one of them matches; empty, every port.
    QStringList ports;
};
