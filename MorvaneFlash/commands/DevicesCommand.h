#pragma once

#include "bootloader/UsbIdentifier.h"
#include "frame/CommandDeclaration.h"

#include <QStringList>
#include <optional>

// devices: the attached devices with the catalogue's ids, or with --vid and --pid.
struct DevicesOptions : CommonOptions
{
    bool json = false;
    // Tells arrivals and departures until stopped.
    bool watch = false;
    std::optional<UsbIds> ids;
    // --port: only devices at a USB port one of these patterns matches; empty, every port.
    QStringList ports;
};

CommandDeclaration devicesCommand();
int runDevices(const DevicesOptions &options, Environment &environment, Console &console);
