#include "FakeUdevLinux.h"

#include "CallRecorder.h"
#include "bootloader/NoticePipe.h"

#include <deque>
#include <libudev.h>
#include <mutex>
#include <type_traits>

struct udev
{
    int references = 1;
};
struct udev_queue
{
    int references = 1;
};
struct udev_monitor
{
    int references = 1;
    bool receiving = false;
};
struct udev_device
{
    int references = 1;
    std::string action;
    std::string devnode;
};

namespace {

struct Event
{
    std::string action;
    std::string devnode;
};

struct State
{
    std::mutex mutex;
    CallRecorder<FakeUdev::Call, FakeUdev::Faults> recorder;
    std::deque<Event> events;
    // Readable while events wait, as the netlink socket is.
    NoticePipe pipe;
    int liveObjects = 0;
    int receivingMonitors = 0;
};

State &state()
{
    static State instance;
    return instance;
}

FakeUdev::Faults record(FakeUdev::Call call)
{
    return state().recorder.record(std::move(call));
}

template <typename Object> Object *make()
{
    State &s = state();
    const std::lock_guard lock(s.mutex);
    ++s.liveObjects;
    return new Object;
}

// libudev's unref: null is allowed, and the object goes with its last reference.
template <typename Object> Object *release(Object *object)
{
    if (object == nullptr || --object->references > 0) {
        return nullptr;
    }
    State &s = state();
    const std::lock_guard lock(s.mutex);
    --s.liveObjects;
    if constexpr (std::is_same_v<Object, udev_monitor>) {
        s.receivingMonitors -= object->receiving ? 1 : 0;
    }
    delete object;
    return nullptr;
}

} // namespace

namespace FakeUdev {

void reset()
{
    State &s = state();
    s.recorder.reset();
    const std::lock_guard lock(s.mutex);
    s.events.clear();
    s.pipe.drain();
    s.liveObjects = 0;
    s.receivingMonitors = 0;
}

void setFaults(const Faults &faults)
{
    state().recorder.setFaults(faults);
}

void announce(const std::string &action, const std::string &devnode)
{
    State &s = state();
    const std::lock_guard lock(s.mutex);
    if (s.receivingMonitors == 0) {
        return;
    }
    s.events.push_back({action, devnode});
    s.pipe.notify();
}

std::vector<Call> calls()
{
    return state().recorder.calls();
}

std::size_t count(std::string_view function)
{
    return state().recorder.count(function);
}

int liveObjects()
{
    State &s = state();
    const std::lock_guard lock(s.mutex);
    return s.liveObjects;
}

} // namespace FakeUdev

extern "C" {

struct udev *udev_new(void)
{
    return record({"udev_new"}).noContext ? nullptr : make<udev>();
}

struct udev *udev_unref(struct udev *context)
{
    record({"udev_unref"});
    return release(context);
}

struct udev_queue *udev_queue_new(struct udev *)
{
    record({"udev_queue_new"});
    return make<udev_queue>();
}

int udev_queue_get_udev_is_active(struct udev_queue *)
{
    return record({"udev_queue_get_udev_is_active"}).daemonStopped ? 0 : 1;
}

struct udev_queue *udev_queue_unref(struct udev_queue *queue)
{
    record({"udev_queue_unref"});
    return release(queue);
}

struct udev_monitor *udev_monitor_new_from_netlink(struct udev *, const char *name)
{
    const FakeUdev::Faults faults = record({"udev_monitor_new_from_netlink", name});
    return faults.noMonitor ? nullptr : make<udev_monitor>();
}

int udev_monitor_filter_add_match_subsystem_devtype(struct udev_monitor *, const char *subsystem,
                                                    const char *devtype)
{
    record({"udev_monitor_filter_add_match_subsystem_devtype",
            std::string(subsystem) + (devtype != nullptr ? std::string("/") + devtype : "")});
    return 0;
}

int udev_monitor_enable_receiving(struct udev_monitor *monitor)
{
    const int result = record({"udev_monitor_enable_receiving"}).enableResult;
    if (result == 0 && !monitor->receiving) {
        monitor->receiving = true;
        State &s = state();
        const std::lock_guard lock(s.mutex);
        ++s.receivingMonitors;
    }
    return result;
}

int udev_monitor_get_fd(struct udev_monitor *)
{
    record({"udev_monitor_get_fd"});
    return state().pipe.descriptor();
}

// Like libudev's socket, non-blocking: null once every waiting event has been taken.
struct udev_device *udev_monitor_receive_device(struct udev_monitor *)
{
    record({"udev_monitor_receive_device"});
    State &s = state();
    const std::lock_guard lock(s.mutex);
    if (s.events.empty()) {
        s.pipe.drain();
        return nullptr;
    }
    ++s.liveObjects;
    auto *device = new udev_device{1, s.events.front().action, s.events.front().devnode};
    s.events.pop_front();
    return device;
}

struct udev_monitor *udev_monitor_unref(struct udev_monitor *monitor)
{
    record({"udev_monitor_unref"});
    return release(monitor);
}

struct udev_device *udev_device_unref(struct udev_device *device)
{
    record({"udev_device_unref"});
    return release(device);
}

} // extern "C"
