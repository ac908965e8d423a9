#include "bootloader/HotplugMonitor.h"

#include <libudev.h>

namespace {

class UdevMonitor final : public HotplugMonitor
{
public:
    UdevMonitor(udev *context, udev_monitor *monitor) : m_udev(context), m_monitor(monitor) {}
    ~UdevMonitor() override
    {
        udev_monitor_unref(m_monitor);
        udev_unref(m_udev);
    }
    UdevMonitor(const UdevMonitor &) = delete;
    UdevMonitor &operator=(const UdevMonitor &) = delete;

    int descriptor() const override { return udev_monitor_get_fd(m_monitor); }

    // The events themselves are not read: the watcher looks at the whole bus after them, so
    // an event for a device that has gone again meanwhile changes nothing.
    void drain() override
    {
        while (udev_device *device = udev_monitor_receive_device(m_monitor)) {
            udev_device_unref(device);
        }
    }

private:
    udev *m_udev;
    udev_monitor *m_monitor;
};

bool daemonRuns(udev *context)
{
    udev_queue *queue = udev_queue_new(context);
    const bool active = queue != nullptr && udev_queue_get_udev_is_active(queue) > 0;
    udev_queue_unref(queue);
    return active;
}

} // namespace

std::unique_ptr<HotplugMonitor> openHotplugMonitor()
{
    udev *context = udev_new();
    if (context == nullptr) {
        return nullptr;
    }
    if (!daemonRuns(context)) {
        udev_unref(context);
        return nullptr;
    }
    // "udev": events as the daemon passes them on, once its rules (the uaccess ACL among
    // them) have run, so that opening right after tells the user's access truly.
    udev_monitor *monitor = udev_monitor_new_from_netlink(context, "udev");
    if (monitor == nullptr ||
        udev_monitor_filter_add_match_subsystem_devtype(monitor, "hidraw", nullptr) < 0 ||
        udev_monitor_enable_receiving(monitor) < 0 || udev_monitor_get_fd(monitor) < 0) {
        udev_monitor_unref(monitor);
        udev_unref(context);
        return nullptr;
    }
    return std::make_unique<UdevMonitor>(context, monitor);
}
