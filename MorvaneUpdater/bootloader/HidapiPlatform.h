#pragma once

#include <string>

// What the hidapi backend leaves to each platform, one file per platform as hidapi keeps its
// own: HidapiPlatformLinux.cpp, HidapiPlatformDarwin.cpp, HidapiPlatformOther.cpp.

// Called under the backend's lock right after every hid_init that succeeded: hid_init is where
// hidapi resets its per-platform settings.
void configureHidapiAfterInit();

// The physical USB port of the device at a hidapi path ("1-2.4"); empty where the platform
// does not tell it. hidapi itself does not name the port.
std::string usbPortOfHidPath(const std::string &path);
