#pragma once

#include "bootloader/UsbIdentifier.h"
#include "frame/CommandDeclaration.h"
#include "flash/DeviceSelection.h"
#include "station/WatchSettings.h"

#include <QString>
#include <chrono>
#include <optional>

// flash MODEL [VERSION], or flash --file IMAGE --vid V --pid P; with --watch, every matching
// device as it arrives.
struct FlashOptions : CommonOptions
{
    // --file: the image instead of a catalogue's version, the ids of the device to flash, and
    // the digest the image must have, as "sha256:" and 64 hexadecimal digits.
    QString file;
    std::optional<UsbIds> ids;
    QString sha256;
    // Which devices: --serial, --path, --all-devices, and --wait[=SECONDS].
    DeviceSelector selector;
    bool allDevices = false;
    bool wait = false;
    std::optional<std::chrono::milliseconds> waitLimit;
    bool watch = false;
    // The bench's record, appended to.
    QString log;
    // How it prints, the battery check and the records' tags; with --watch also how long a
    // unit has to come back, the journal and the metrics.
    WatchSettings station;
};

CommandDeclaration flashCommand();
int runFlash(const FlashOptions &options, Environment &environment, Console &console);
