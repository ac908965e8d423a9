#pragma once

#include "bootloader/BootloaderError.h"
#include "bootloader/OpenPermissionHelp.h"

#include <optional>
#include <string>

// openPermissionHelp for a failed transfer: help only when the failure was such an open.
std::optional<std::string> openFailureHelp(const BootloaderError &error);
