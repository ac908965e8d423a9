#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// The few libudev functions the udev monitor calls (udev_new, udev_unref, udev_queue_new,
// udev_queue_get_udev_is_active, udev_queue_unref, udev_monitor_new_from_netlink,
// udev_monitor_filter_add_match_subsystem_devtype, udev_monitor_enable_receiving,
// udev_monitor_get_fd, udev_monitor_receive_device, udev_monitor_unref, udev_device_unref)
// for the watcher's tests: linked instead of the real library, they record every call and
// deliver the events a test announces. Like libudev's netlink socket, an event announced
// while no monitor receives is lost. The state is global.
namespace FakeUdev {

struct Faults
{
    bool noContext = false;     // udev_new fails
    bool daemonStopped = false; // udev_queue_get_udev_is_active answers 0
    bool noMonitor = false;     // udev_monitor_new_from_netlink fails
    int enableResult = 0;       // udev_monitor_enable_receiving answers this
};

struct Call
{
    std::string function;
    std::string argument = {}; // the netlink name, the subsystem filter
};

// No events, no calls, no faults.
void reset();
void setFaults(const Faults &faults);
// One event of the hidraw subsystem, as the daemon passes it on.
void announce(const std::string &action, const std::string &devnode);

std::vector<Call> calls();
std::size_t count(std::string_view function);
// Contexts, queues, monitors and devices made and not yet released.
int liveObjects();

} // namespace FakeUdev
