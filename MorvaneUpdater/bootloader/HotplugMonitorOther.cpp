#include "bootloader/HotplugMonitor.h"

std::unique_ptr<HotplugMonitor> openHotplugMonitor()
{
    return nullptr;
}
