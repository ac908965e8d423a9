#pragma once

#include "SimulatedBootloaderDevice.h"
#include "bootloader/HidBackend.h"
#include "bootloader/HotplugMonitor.h"

#include <cstddef>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

// The HID seam with simulated devices plugged in. Several may be attached at once, with the
// same or different identifiers; discovery lists them in the order they were attached.
// Plugging and unplugging may happen at any moment, from any thread; each hotplug monitor
// handed out hears of it at once, as the udev monitor hears of real devices.
class SimulatedHidBackend final : public HidBackend
{
public:
    SimulatedHidBackend() = default;
    SimulatedHidBackend(const SimulatedHidBackend &) = delete;
    SimulatedHidBackend &operator=(const SimulatedHidBackend &) = delete;

    void attach(std::shared_ptr<SimulatedBootloaderDevice> device);
    void detach(const std::shared_ptr<SimulatedBootloaderDevice> &device);
    bool isAttached(const std::shared_ptr<SimulatedBootloaderDevice> &device) const;
    // Told of every later attach and detach. A device that leaves the bus by itself
    // (Behaviour::vanishAfterReports) is seen only by the next enumeration.
    std::unique_ptr<HotplugMonitor> hotplugMonitor();

    std::vector<std::unique_ptr<HidDevice>> devices(int64_t vendorID, int64_t productID) override;
    // Manufacturer "pid.codes", product "Simulated bootloader", and each device's own serial
    // number and USB port.
    std::vector<HidDeviceInfo> attachedDevices() override;
    std::unique_ptr<HidDevice> deviceAt(const std::string &path) override;
    // How often devices() was asked, whatever it found.
    std::size_t lookups() const;

private:
    class Monitor;
    struct Notices;

    void notifyMonitors();

    mutable std::mutex m_mutex;
    std::vector<std::weak_ptr<Notices>> m_monitors;
    std::vector<std::shared_ptr<SimulatedBootloaderDevice>> m_attached;
    std::size_t m_lookups = 0;
};
