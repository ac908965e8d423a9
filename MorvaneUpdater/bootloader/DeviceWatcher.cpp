#include "bootloader/DeviceWatcher.h"

#include <algorithm>
#include <poll.h>

std::optional<UsbIds> watchableIds(int64_t vendorID, int64_t productID)
{
    const std::optional<UsbIds> ids = usbIdsOf(vendorID, productID);
    return ids && isWatchable(*ids) ? ids : std::nullopt;
}

int32_t probeOpen(HidBackend &hid, const std::string &path)
{
    const std::unique_ptr<HidDevice> device = hid.deviceAt(path);
    const int32_t code = device->open();
    device->close();
    return code;
}

DeviceWatcher::DeviceWatcher(HidBackend &hid, std::unique_ptr<HotplugMonitor> monitor,
                             Listener listener)
    : m_hid(hid), m_monitor(std::move(monitor)), m_listener(std::move(listener)),
      m_thread([this](const std::stop_token &stop) { run(stop); })
{
}

DeviceWatcher::~DeviceWatcher()
{
    m_thread.request_stop();
    m_wake.notify();
    m_thread.join();
}

void DeviceWatcher::watch(std::vector<UsbIds> ids)
{
    std::sort(ids.begin(), ids.end());
    ids.erase(std::unique(ids.begin(), ids.end()), ids.end());
    {
        const std::lock_guard lock(m_mutex);
        m_ids = std::move(ids);
    }
    m_wake.notify();
}

std::vector<AttachedDevice> DeviceWatcher::attached() const
{
    const std::lock_guard lock(m_mutex);
    return m_attached;
}

std::size_t DeviceWatcher::passes() const
{
    const std::lock_guard lock(m_mutex);
    return m_passes;
}

void DeviceWatcher::run(const std::stop_token &stop)
{
    std::vector<pollfd> descriptors{{m_wake.descriptor(), POLLIN, 0}};
    if (m_monitor) {
        descriptors.push_back({m_monitor->descriptor(), POLLIN, 0});
    }
    const int timeout = m_monitor ? -1 : static_cast<int>(enumerationInterval.count());
    while (!stop.stop_requested()) {
        lookAtBus();
        for (pollfd &descriptor : descriptors) {
            descriptor.revents = 0;
        }
        // Without a wake pipe no stop request could interrupt an endless wait.
        ::poll(descriptors.data(), descriptors.size(), m_wake.isValid() ? timeout : 100);
        // Everything that happened so far is seen by the one look that follows.
        m_wake.drain();
        if (m_monitor) {
            m_monitor->drain();
        }
    }
}

void DeviceWatcher::lookAtBus()
{
    std::vector<UsbIds> ids;
    std::vector<AttachedDevice> known;
    {
        const std::lock_guard lock(m_mutex);
        ids = m_ids;
        known = m_attached;
    }
    std::vector<HidDeviceInfo> present;
    if (!ids.empty()) {
        for (HidDeviceInfo &info : m_hid.attachedDevices()) {
            if (std::binary_search(ids.begin(), ids.end(), UsbIds{info.vendorID, info.productID})) {
                present.push_back(std::move(info));
            }
        }
    }

    std::vector<Change> changes;
    // A path that now names another device (ids changed) is a departure and an arrival.
    std::erase_if(known, [&](const AttachedDevice &device) {
        const bool stays = std::any_of(present.begin(), present.end(), [&](const auto &info) {
            return info.path == device.info.path && info.vendorID == device.info.vendorID &&
                   info.productID == device.info.productID;
        });
        if (!stays) {
            changes.push_back({Change::Kind::departed, device});
        }
        return !stays;
    });
    for (HidDeviceInfo &info : present) {
        if (std::any_of(known.begin(), known.end(), [&](const AttachedDevice &device) {
                return device.info.path == info.path;
            })) {
            continue;
        }
        const int32_t openCode = probeOpen(m_hid, info.path);
        known.push_back({std::move(info), openCode});
        changes.push_back({Change::Kind::arrived, known.back()});
    }

    {
        const std::lock_guard lock(m_mutex);
        m_attached = std::move(known);
        ++m_passes;
    }
    for (const Change &change : changes) {
        m_listener(change);
    }
}
