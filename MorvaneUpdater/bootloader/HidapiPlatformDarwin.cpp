#include "bootloader/HidapiPlatform.h"

#include <hidapi_darwin.h>

// hidapi 0.12 and later seize the device on macOS (kIOHIDOptionsTypeSeizeDevice), and every
// hid_init sets that again. A seized open fails while anything else holds the device, this
// program's own device watcher probing it among them; a shared open is what hidraw gives on
// Linux.
void configureHidapiAfterInit()
{
    hid_darwin_set_open_exclusive(0);
}

// IOKit's paths do not name the port the way sysfs does.
std::string usbPortOfHidPath(const std::string &)
{
    return {};
}
