#pragma once

#include <string>
#include <string_view>

// The physical USB port of a device, read from where Linux keeps it in sysfs: the resolved
// path of a hidraw node's device ("/sys/devices/.../usb1/1-2/1-2.4/1-2.4:1.0/0003:...")
// names the port before the interface ("1-2.4" is bus 1, root port 2, then hub port 4).
// Empty when the path holds no USB interface (Bluetooth, I2C, a virtual device).
std::string usbPortFromSysfsPath(std::string_view sysfsPath);
