#pragma once

#include "flash/DeviceSelection.h"
#include "flash/FlashRecord.h"
#include "flash/ProgressDisplay.h"
#include "flash/StationTags.h"

#include <QJsonObject>
#include <QString>
#include <chrono>
#include <functional>
#include <optional>

class Console;
class Downloader;
struct Environment;
struct UpdateTarget;

// What one flash run is asked for besides its image.
struct FlashRunSettings
{
    OutputStyle output;
    // Every attached device with the ids, each on its own thread; else exactly one.
    bool allDevices = false;
    // Flash on a battery below lowBatteryPercent all the same.
    bool ignoreBattery = false;
    DeviceSelector selector;
    // Wait for a matching device, for ever without a limit.
    bool wait = false;
    std::optional<std::chrono::milliseconds> waitLimit;
    // The station's name and labels, in each unit's record.
    StationTags tags;
    // Keeps each attempted unit's record (the bench's log); why it could not, if so. Empty when
    // nothing is kept.
    std::function<std::optional<QString>(const UnitRecord &record)> record;
};

// Runs an update to its end, the command's console its only output: it chooses the devices
// (one enumeration), waits for one if asked to, prepares the image once, flashes exactly the
// devices chosen and tells each outcome. The worst outcome's exit status.
int flashTarget(const FlashRunSettings &settings, Environment &environment, Console &console,
                Downloader &downloader, const UpdateTarget &target);
