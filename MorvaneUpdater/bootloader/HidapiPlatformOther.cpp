#include "bootloader/HidapiPlatform.h"

void configureHidapiAfterInit()
{
}

std::string usbPortOfHidPath(const std::string &)
{
    return {};
}
