#pragma once

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
