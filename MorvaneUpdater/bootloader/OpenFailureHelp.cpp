#include "bootloader/OpenFailureHelp.h"

std::optional<std::string> openFailureHelp(const BootloaderError &error)
{
    if (error.kind() != BootloaderError::Kind::openFailed) {
        return std::nullopt;
    }
    return openPermissionHelp(error.code());
}
