#include "bootloader/OpenPermissionHelp.h"

// Only Linux's hidraw nodes deny access by file permission, which the package's udev rule
// grants; elsewhere there is no step of ours to point the user at.
std::optional<std::string> openPermissionHelp(int32_t, ManualPage)
{
    return std::nullopt;
}

// macOS's codes are IOKit's, which leftTheBus knows on every platform.
bool leftTheBusCode(int32_t)
{
    return false;
}
