#include "OpenFailureHelp.h"

#include <cerrno>

std::optional<std::string> openFailureHelp(const BootloaderError &error)
{
#if defined(__linux__)
    if (error.kind() == BootloaderError::Kind::openFailed &&
        (error.code() == EACCES || error.code() == EPERM)) {
        return "No permission to open the device: the udev rule 70-morvane-updater.rules that "
               "the package installs grants it once the device is unplugged and plugged in "
               "again (README, \"Installing for real (Linux)\", Permissions).";
    }
#else
    (void)error;
#endif
    return std::nullopt;
}
