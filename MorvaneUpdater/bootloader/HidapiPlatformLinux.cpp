#include "bootloader/HidapiPlatform.h"
#include "bootloader/UsbPort.h"

#include <filesystem>

void configureHidapiAfterInit()
{
}

// sysfs names the port behind the hidraw node's name.
std::string usbPortOfHidPath(const std::string &path)
{
    const std::filesystem::path node(path);
    if (node.parent_path() != "/dev") {
        return {};
    }
    std::error_code error;
    const std::filesystem::path device = std::filesystem::canonical(
        std::filesystem::path("/sys/class/hidraw") / node.filename() / "device", error);
    return error ? std::string() : usbPortFromSysfsPath(device.string());
}
