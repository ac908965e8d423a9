#include "bootloader/OpenPermissionHelp.h"

#include <cerrno>

std::optional<std::string> openPermissionHelp(int32_t openCode)
{
    if (openCode == EACCES || openCode == EPERM) {
        return "No permission to open the device: the udev rule 70-morvane-updater.rules that "
               "the package installs grants it once the device is unplugged and plugged in "
               "again; morvane-flash doctor tells what stands in the way (man morvane-flash, "
               "section PERMISSIONS).";
    }
    return std::nullopt;
}

bool leftTheBusCode(int32_t code)
{
    return code == ENODEV || code == ENXIO || code == EPIPE || code == ESHUTDOWN;
}
