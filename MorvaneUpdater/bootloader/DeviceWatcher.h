#pragma once

#include "bootloader/HidBackend.h"
#include "bootloader/HotplugMonitor.h"
#include "bootloader/NoticePipe.h"
#include "bootloader/UsbIdentifier.h"

#include <chrono>
#include <compare>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

// The pair to watch for catalogue ids read in radix 16; nothing for 0 or anything outside
// 16 bits, which no device is taken to carry.
std::optional<UsbIds> watchableIds(int64_t vendorID, int64_t productID);

// Whether this user may open the device at `path`, learnt the one sure way: opening it and
// closing it again at once. 0 when it may, else the platform's code.
int32_t probeOpen(HidBackend &hid, const std::string &path);

// An attached device with the watched ids.
struct AttachedDevice
{
    HidDeviceInfo info = {};
    // What opening it answered when it arrived: 0 when this user may open it, else the
    // platform's code (BootloaderError::openFailed and openPermissionHelp read it).
    int32_t openCode = 0;

    bool mayOpen() const { return openCode == 0; }
    bool operator==(const AttachedDevice &) const = default;
};

// Reports the arrival and departure of HID devices with the watched ids, on a thread of its
// own. With a hotplug monitor it looks at the bus whenever the monitor says something
// happened; without one (no udev daemon, no udev at all) it enumerates once a second. Each
// arriving device is opened and closed once to learn whether this user may open it.
class DeviceWatcher final
{
public:
    enum class Mode
    {
        events,
        enumeration
    };

    struct Change
    {
        enum class Kind
        {
            arrived,
            departed
        };
        Kind kind = Kind::arrived;
        AttachedDevice device = {};
    };

    // Called on the watcher's thread, one change at a time, never once the destructor has
    // returned. It must not call back into the watcher's destructor.
    using Listener = std::function<void(const Change &)>;

    static constexpr std::chrono::milliseconds enumerationInterval{1000};

    // Starts at once with nothing watched. `monitor` may be null.
    DeviceWatcher(HidBackend &hid, std::unique_ptr<HotplugMonitor> monitor, Listener listener);
    ~DeviceWatcher();
    DeviceWatcher(const DeviceWatcher &) = delete;
    DeviceWatcher &operator=(const DeviceWatcher &) = delete;

    Mode mode() const { return m_monitor ? Mode::events : Mode::enumeration; }

    // Safe from any thread. Devices no longer watched depart and newly watched ones arrive
    // in the next look at the bus, which this asks for at once.
    void watch(std::vector<UsbIds> ids);
    // The attached devices with watched ids, in order of arrival. Safe from any thread.
    std::vector<AttachedDevice> attached() const;
    // Looks at the bus so far. Safe from any thread; for tests and benchmarks that wait for
    // a quiet watcher.
    std::size_t passes() const;

private:
    void run(const std::stop_token &stop);
    void lookAtBus();

    HidBackend &m_hid;
    const std::unique_ptr<HotplugMonitor> m_monitor;
    const Listener m_listener;
    NoticePipe m_wake;

    mutable std::mutex m_mutex;
    std::vector<UsbIds> m_ids;
    std::vector<AttachedDevice> m_attached;
    std::size_t m_passes = 0;

    // Last, so that it starts once everything above exists and stops before it goes.
    std::jthread m_thread;
};
