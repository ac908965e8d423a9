#include "bootloader/OpenFailureHelp.h"

// openPermissionHelp is the platform's: OpenPermissionHelpLinux.cpp, OpenPermissionHelpOther.cpp.

std::optional<std::string> openFailureHelp(const BootloaderError &error)
{
    if (error.kind() != BootloaderError::Kind::openFailed) {
        return std::nullopt;
    }
    return openPermissionHelp(error.code());
}
