#pragma once

#include "bootloader/UsbIdentifier.h"
#include "frame/CommandDeclaration.h"

#include <optional>

// devices: the attached devices with the catalogue's ids, or with --vid and --pid.
struct DevicesOptions : CommonOptions
{
    bool json = false;
    // Tells arrivals and departures until stopped.
    bool watch = false;
    std::optional<UsbIds> ids;
};

CommandDeclaration devicesCommand();
int runDevices(const DevicesOptions &options, Environment &environment, Console &console);
