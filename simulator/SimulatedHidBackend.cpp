#include "SimulatedHidBackend.h"

#include "bootloader/UsbIdentifier.h"

#include <algorithm>

void SimulatedHidBackend::attach(std::shared_ptr<SimulatedBootloaderDevice> device)
{
    if (!device) {
        return;
    }
    device->plugIn();
    const std::lock_guard lock(m_mutex);
    if (std::find(m_attached.begin(), m_attached.end(), device) == m_attached.end()) {
        m_attached.push_back(std::move(device));
    }
}

void SimulatedHidBackend::detach(const std::shared_ptr<SimulatedBootloaderDevice> &device)
{
    if (!device) {
        return;
    }
    device->unplug();
    const std::lock_guard lock(m_mutex);
    std::erase(m_attached, device);
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
