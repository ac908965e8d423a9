#pragma once

#include "bootloader/BootloaderError.h"
#include "bootloader/OpenPermissionHelp.h"

#include <optional>
#include <string>

// openPermissionHelp for a failed transfer: help only when the failure was such an open.
std::optional<std::string> openFailureHelp(const BootloaderError &error);

// Whether a failed open, write or read says the device left the bus (unplugged, a loose
// cable, a restart), by the platform's code: on Linux the errno ENODEV, ENXIO, EPIPE or
// ESHUTDOWN, on macOS IOKit's kIOReturnNoDevice or kIOReturnNotAttached.
bool leftTheBus(const BootloaderError &error);
