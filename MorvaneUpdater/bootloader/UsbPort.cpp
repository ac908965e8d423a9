#include "bootloader/UsbPort.h"

#include <cctype>

namespace {

bool isDigits(std::string_view text)
{
    if (text.empty()) {
        return false;
    }
    for (const char c : text) {
        if (std::isdigit(static_cast<unsigned char>(c)) == 0) {
            return false;
        }
    }
    return true;
}

// "<bus>-<port>[.<port>...]", as the kernel names a USB device.
bool isUsbPortName(std::string_view name)
{
    const std::size_t dash = name.find('-');
    if (dash == std::string_view::npos || !isDigits(name.substr(0, dash))) {
        return false;
    }
    std::string_view ports = name.substr(dash + 1);
    while (true) {
        const std::size_t dot = ports.find('.');
        if (!isDigits(ports.substr(0, dot))) {
            return false;
        }
        if (dot == std::string_view::npos) {
            return true;
        }
        ports.remove_prefix(dot + 1);
    }
}

// "<port>:<configuration>.<interface>", the USB interface a HID device hangs from.
std::string_view interfacePort(std::string_view component)
{
    const std::size_t colon = component.find(':');
    if (colon == std::string_view::npos) {
        return {};
    }
    const std::string_view rest = component.substr(colon + 1);
    const std::size_t dot = rest.find('.');
    if (dot == std::string_view::npos || !isDigits(rest.substr(0, dot)) ||
        !isDigits(rest.substr(dot + 1))) {
        return {};
    }
    const std::string_view port = component.substr(0, colon);
    return isUsbPortName(port) ? port : std::string_view();
}

} // namespace

std::string usbPortFromSysfsPath(std::string_view sysfsPath)
{
    // The interface nearest the device wins: a HID device behind a USB hub that is itself
    // a HID device still names its own port.
    std::string_view port;
    std::size_t start = 0;
    while (start <= sysfsPath.size()) {
        const std::size_t slash = sysfsPath.find('/', start);
        const std::size_t end = slash == std::string_view::npos ? sysfsPath.size() : slash;
        if (const std::string_view found = interfacePort(sysfsPath.substr(start, end - start));
            !found.empty()) {
            port = found;
        }
        start = end + 1;
    }
    return std::string(port);
}
