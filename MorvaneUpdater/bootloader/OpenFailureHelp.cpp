#include "bootloader/OpenFailureHelp.h"

namespace {

// IOKit's codes for a device gone, which the simulated devices give on every platform.
constexpr int32_t ioReturnNoDevice = static_cast<int32_t>(0xE00002C0);
constexpr int32_t ioReturnNotAttached = static_cast<int32_t>(0xE00002D9);

} // namespace

bool leftTheBus(const BootloaderError &error)
{
    using Kind = BootloaderError::Kind;
    const Kind kind = error.kind();
    if (kind != Kind::openFailed && kind != Kind::writeFailed && kind != Kind::readFailed) {
        return false;
    }
    const int32_t code = error.code();
    return code == ioReturnNoDevice || code == ioReturnNotAttached || leftTheBusCode(code);
}

std::optional<std::string> openFailureHelp(const BootloaderError &error)
{
    if (error.kind() != BootloaderError::Kind::openFailed) {
        return std::nullopt;
    }
    return openPermissionHelp(error.code());
}
