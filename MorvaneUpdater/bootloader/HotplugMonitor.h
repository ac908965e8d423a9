#pragma once

#include <memory>

// What tells the device watcher that HID devices may have come or gone, so that it looks at
// the bus only then and an idle program costs no CPU: the udev monitor on Linux, the
// simulator's own notices in tests and the demo.
class HotplugMonitor
{
public:
    virtual ~HotplugMonitor() = default;

    // Turns readable when something may have changed. Watched by one thread only.
    virtual int descriptor() const = 0;
    // Takes every pending event so that the descriptor is quiet again.
    virtual void drain() = 0;
};

// The platform's own monitor of HID devices, event-driven, so that a watcher on it costs
// nothing while nothing is plugged: on Linux the udev monitor of the hidraw subsystem
// (HotplugMonitorLinux.cpp). Nothing where it cannot work, so that the watcher enumerates
// instead: a platform without one (HotplugMonitorOther.cpp, macOS among them), no udev daemon
// running (containers, some CI machines, where no event would ever come), or a monitor that
// cannot be created.
std::unique_ptr<HotplugMonitor> openHotplugMonitor();
