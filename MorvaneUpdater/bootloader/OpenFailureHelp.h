#pragma once

#include "bootloader/BootloaderError.h"

#include <cstdint>
#include <optional>
#include <string>

// What the user can do about a device that is attached but may not be opened: on Linux a
// hidraw node that denies access (EACCES or EPERM). Nothing for every other code, and
// nothing on other platforms. Shown on the line after the error's own message, by the window
// and by morvane-flash alike; it points at the manual page's PERMISSIONS section, which the
// package installs (the README is not).
std::optional<std::string> openPermissionHelp(int32_t openCode);
// The same for a failed transfer: help only when the failure was such an open.
std::optional<std::string> openFailureHelp(const BootloaderError &error);

// Whether a failed open, write or read says the device left the bus (unplugged, a loose
// cable, a restart), by the platform's code: on Linux the errno ENODEV, ENXIO, EPIPE or
// ESHUTDOWN, on macOS IOKit's kIOReturnNoDevice or kIOReturnNotAttached.
bool leftTheBus(const BootloaderError &error);
// The platform's part of leftTheBus: its own codes for a device gone.
bool leftTheBusCode(int32_t code);
