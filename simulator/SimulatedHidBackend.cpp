#include "SimulatedHidBackend.h"

#include "bootloader/NoticePipe.h"
#include "bootloader/UsbIdentifier.h"

#include <algorithm>

namespace {

// A path nothing is attached at any more: every call fails as on a device that has left.
class GoneDevice final : public HidDevice
{
public:
    explicit GoneDevice(std::string path) : m_path(std::move(path)) {}

    int32_t open() override { return SimulatedBootloaderDevice::noDeviceCode; }
    int32_t writeOutputReport(std::span<const uint8_t>) override
    {
        return SimulatedBootloaderDevice::noDeviceCode;
    }
    std::optional<HidInputReport> readInputReport(std::chrono::milliseconds) override
    {
        return std::nullopt;
    }
    void close() override {}
    std::string path() const override { return m_path; }

private:
    std::string m_path;
};

} // namespace

struct SimulatedHidBackend::Notices
{
    NoticePipe pipe;
};

class SimulatedHidBackend::Monitor final : public HotplugMonitor
{
public:
    explicit Monitor(std::shared_ptr<Notices> notices) : m_notices(std::move(notices)) {}

    int descriptor() const override { return m_notices->pipe.descriptor(); }
    void drain() override { m_notices->pipe.drain(); }

private:
    std::shared_ptr<Notices> m_notices;
};

void SimulatedHidBackend::attach(std::shared_ptr<SimulatedBootloaderDevice> device)
{
    if (!device) {
        return;
    }
    device->plugIn();
    {
        const std::lock_guard lock(m_mutex);
        if (std::find(m_attached.begin(), m_attached.end(), device) == m_attached.end()) {
            m_attached.push_back(std::move(device));
        }
    }
    notifyMonitors();
}

void SimulatedHidBackend::detach(const std::shared_ptr<SimulatedBootloaderDevice> &device)
{
    if (!device) {
        return;
    }
    device->unplug();
    {
        const std::lock_guard lock(m_mutex);
        std::erase(m_attached, device);
    }
    notifyMonitors();
}

bool SimulatedHidBackend::isAttached(const std::shared_ptr<SimulatedBootloaderDevice> &device) const
{
    const std::lock_guard lock(m_mutex);
    return std::find(m_attached.begin(), m_attached.end(), device) != m_attached.end();
}

std::unique_ptr<HotplugMonitor> SimulatedHidBackend::hotplugMonitor()
{
    auto notices = std::make_shared<Notices>();
    const std::lock_guard lock(m_mutex);
    m_monitors.push_back(notices);
    return std::make_unique<Monitor>(std::move(notices));
}

void SimulatedHidBackend::notifyMonitors()
{
    const std::lock_guard lock(m_mutex);
    std::erase_if(m_monitors, [](const std::weak_ptr<Notices> &monitor) {
        const std::shared_ptr<Notices> notices = monitor.lock();
        if (notices) {
            notices->pipe.notify();
        }
        return !notices;
    });
}

std::vector<std::unique_ptr<HidDevice>> SimulatedHidBackend::devices(int64_t vendorID,
                                                                     int64_t productID)
{
    std::vector<std::shared_ptr<SimulatedBootloaderDevice>> attached;
    {
        const std::lock_guard lock(m_mutex);
        ++m_lookups;
        attached = m_attached;
    }
    std::vector<std::unique_ptr<HidDevice>> found;
    for (const auto &device : attached) {
        if (device->isPresent() &&
            usbIdentifiersMatch(vendorID, productID, device->vendorID(), device->productID())) {
            found.push_back(device->newHandle());
        }
    }
    return found;
}

std::size_t SimulatedHidBackend::lookups() const
{
    const std::lock_guard lock(m_mutex);
    return m_lookups;
}

std::vector<HidDeviceInfo> SimulatedHidBackend::attachedDevices()
{
    std::vector<std::shared_ptr<SimulatedBootloaderDevice>> attached;
    {
        const std::lock_guard lock(m_mutex);
        attached = m_attached;
    }
    std::vector<HidDeviceInfo> found;
    for (const auto &device : attached) {
        if (device->isPresent()) {
            found.push_back({.path = device->path(),
                             .vendorID = device->vendorID(),
                             .productID = device->productID(),
                             .serialNumber = device->serialNumber(),
                             .manufacturer = "pid.codes",
                             .product = "Simulated bootloader",
                             .usbPort = device->usbPort()});
        }
    }
    return found;
}

std::unique_ptr<HidDevice> SimulatedHidBackend::deviceAt(const std::string &path)
{
    const std::lock_guard lock(m_mutex);
    for (const auto &device : m_attached) {
        if (device->path() == path) {
            return device->newHandle();
        }
    }
    return std::make_unique<GoneDevice>(path);
}
