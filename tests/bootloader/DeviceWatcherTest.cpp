#include "bootloader/DeviceWatcher.h"

#include "FakeHidapi.h"
#include "bootloader/HidapiBackend.h"
#include "bootloader/HotplugMonitor.h"
#include "bootloader/UsbPort.h"

#include <cerrno>
#include <condition_variable>
#include <functional>
#include <gtest/gtest.h>

#ifdef MORVANE_FAKE_UDEV
#include "FakeUdevLinux.h"
#endif

using Kind = DeviceWatcher::Change::Kind;

namespace {

// Heard through udev where there is udev, found by enumerating once a second everywhere.
#ifdef MORVANE_FAKE_UDEV
const std::vector<bool> throughUdev{true, false};
void resetUdev()
{
    FakeUdev::reset();
}
void announce(const std::string &action, const std::string &devnode)
{
    FakeUdev::announce(action, devnode);
}
#else
const std::vector<bool> throughUdev{false};
void resetUdev()
{
}
void announce(const std::string &, const std::string &)
{
}
#endif

// The changes a watcher reported, in order, from its own thread.
class Changes
{
public:
    DeviceWatcher::Listener listener()
    {
        return [this](const DeviceWatcher::Change &change) {
            {
                const std::lock_guard lock(m_mutex);
                m_changes.push_back(change);
            }
            m_changed.notify_all();
        };
    }

    // Waits, generously, until `count` changes have come, and returns them all.
    std::vector<DeviceWatcher::Change> waitFor(std::size_t count)
    {
        std::unique_lock lock(m_mutex);
        m_changed.wait_for(lock, std::chrono::seconds(20),
                           [&] { return m_changes.size() >= count; });
        return m_changes;
    }

    // The next `count` changes after those taken before, as "+path" for an arrival and
    // "-path" for a departure.
    std::vector<std::string> next(std::size_t count)
    {
        const std::vector<DeviceWatcher::Change> all = waitFor(m_taken + count);
        std::vector<std::string> seen;
        for (; m_taken < all.size() && seen.size() < count; ++m_taken) {
            const DeviceWatcher::Change &change = all[m_taken];
            seen.push_back((change.kind == Kind::arrived ? "+" : "-") + change.device.info.path);
        }
        return seen;
    }

    std::size_t size()
    {
        const std::lock_guard lock(m_mutex);
        return m_changes.size();
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::vector<DeviceWatcher::Change> m_changes;
    std::size_t m_taken = 0;
};

std::shared_ptr<SimulatedBootloaderDevice> attach(const std::string &path, uint16_t vendorID,
                                                  uint16_t productID,
                                                  FakeHidapi::Strings strings = {})
{
    auto device = std::make_shared<SimulatedBootloaderDevice>(vendorID, productID);
    FakeHidapi::attach(path, device, std::move(strings));
    return device;
}

[[maybe_unused]] bool waitUntil(const std::function<bool()> &condition)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return true;
}

} // namespace

TEST(DeviceWatcherTest, UsbPortIsTheInterfaceNearestTheDevice)
{
    const struct
    {
        const char *path;
        const char *port;
    } cases[] = {
        {"/sys/devices/pci0000:00/0000:00:14.0/usb1/1-2/1-2.4/1-2.4:1.0/0003:1209:0001.0005",
         "1-2.4"},
        {"/sys/devices/pci0000:00/0000:00:14.0/usb3/3-1/3-1:1.2/0003:1209:0002.0007", "3-1"},
        // A HID device behind a hub whose own interface is in the path further up.
        {"/sys/devices/usb1/1-1/1-1:1.0/1-1.3/1-1.3:2.1/0003:1A86:E0A1.0009", "1-1.3"},
        {"/sys/devices/virtual/misc/uhid/0005:046D:B01A.0003", ""},
        {"/sys/devices/platform/i2c-0/0018:04F3:3081.0001", ""},
        {"/sys/devices/usb1/usb1:1.0/0003:1209:0001.0001", ""},
        {"/sys/devices/usb1/1-x:1.0/0003:1209:0001.0001", ""},
        {"", ""},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(usbPortFromSysfsPath(c.path), c.port) << c.path;
    }
}

// The same plugging, heard through udev and found by enumerating once a second.
TEST(DeviceWatcherTest, ArrivalsAndDeparturesOfTheWatchedIds)
{
    for (const bool udev : throughUdev) {
        SCOPED_TRACE(udev ? "udev" : "enumeration");
        FakeHidapi::reset();
        resetUdev();
        HidapiBackend hid;
        Changes changes;
        std::unique_ptr<HotplugMonitor> monitor = udev ? openHotplugMonitor() : nullptr;
        ASSERT_EQ(monitor != nullptr, udev);
        DeviceWatcher watcher(hid, std::move(monitor), changes.listener());
        EXPECT_EQ(watcher.mode(),
                  udev ? DeviceWatcher::Mode::events : DeviceWatcher::Mode::enumeration);
        const auto plugged = [&](const std::string &devnode) {
            announce("add", devnode);
        };
        const auto unplugged = [&](const std::string &devnode) {
            announce("remove", devnode);
        };
        watcher.watch({{0x1A2B, 0x3C4D}, {0x1A2B, 0x3C4D}});

        // hidapi lists a device with two top-level usages twice under one path. (Node numbers
        // no real device has here, so that sysfs gives no port.)
        const auto first =
            attach("/dev/hidraw90", 0x1A2B, 0x3C4D, {L"SN-Ä1", L"Morvane 设备", L"Pad \U0001F600"});
        FakeHidapi::attach("/dev/hidraw90", first);
        plugged("/dev/hidraw90");
        ASSERT_EQ(changes.next(1), std::vector<std::string>{"+/dev/hidraw90"});
        const AttachedDevice seen = changes.waitFor(1).back().device;
        EXPECT_EQ(seen.info, (HidDeviceInfo{.path = "/dev/hidraw90",
                                            .vendorID = 0x1A2B,
                                            .productID = 0x3C4D,
                                            .serialNumber = "SN-\xC3\x84"
                                                            "1",
                                            .manufacturer = "Morvane \xE8\xAE\xBE\xE5\xA4\x87",
                                            .product = "Pad \xF0\x9F\x98\x80"}));
        EXPECT_TRUE(seen.mayOpen());

        // Another model's device and a second one of this model: only the second arrives.
        attach("/dev/hidraw91", 0x1A2B, 0x0001);
        plugged("/dev/hidraw91");
        attach("/dev/hidraw92", 0x1A2B, 0x3C4D);
        plugged("/dev/hidraw92");
        EXPECT_EQ(changes.next(1), std::vector<std::string>{"+/dev/hidraw92"});

        first->unplug();
        unplugged("/dev/hidraw90");
        EXPECT_EQ(changes.next(1), std::vector<std::string>{"-/dev/hidraw90"});
        first->plugIn();
        plugged("/dev/hidraw90");
        EXPECT_EQ(changes.next(1), std::vector<std::string>{"+/dev/hidraw90"});
        ASSERT_EQ(changes.size(), 4u);
        std::vector<std::string> attached;
        for (const AttachedDevice &device : watcher.attached()) {
            attached.push_back(device.info.path);
        }
        EXPECT_EQ(attached, (std::vector<std::string>{"/dev/hidraw92", "/dev/hidraw90"}));

        // Watching other ids: the devices of the old ones depart, those of the new arrive.
        watcher.watch({{0x1A2B, 0x0001}});
        const std::vector<std::string> swapped = changes.next(3);
        EXPECT_EQ(swapped,
                  (std::vector<std::string>{"-/dev/hidraw92", "-/dev/hidraw90", "+/dev/hidraw91"}));
        // Every probe closed what it opened.
        EXPECT_EQ(FakeHidapi::openHandles(), 0);
        EXPECT_EQ(FakeHidapi::liveEnumerations(), 0);
    }
#ifdef MORVANE_FAKE_UDEV
    EXPECT_EQ(FakeUdev::liveObjects(), 0);
#endif
}

#ifdef MORVANE_FAKE_UDEV
// Where udev cannot tell, the watcher must still see devices come: it enumerates.
TEST(DeviceWatcherTest, WhereNoUdevMonitorCanBeMadeEnumerationTakesOver)
{
    const struct
    {
        const char *name;
        FakeUdev::Faults faults;
    } cases[] = {
        {"no context", {.noContext = true}},
        {"no daemon", {.daemonStopped = true}},
        {"no monitor", {.noMonitor = true}},
        {"not receiving", {.enableResult = -1}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        FakeUdev::reset();
        FakeUdev::setFaults(c.faults);
        EXPECT_EQ(openHotplugMonitor(), nullptr);
        EXPECT_EQ(FakeUdev::liveObjects(), 0);
    }

    FakeUdev::reset();
    EXPECT_NE(openHotplugMonitor(), nullptr);
    const std::vector<FakeUdev::Call> calls = FakeUdev::calls();
    const auto argumentOf = [&](const std::string &function) {
        const auto call = std::find_if(calls.begin(), calls.end(),
                                       [&](const auto &c) { return c.function == function; });
        return call == calls.end() ? std::string("(not called)") : call->argument;
    };
    // Events as the daemon passes them on after its rules, of hidraw nodes only.
    EXPECT_EQ(argumentOf("udev_monitor_new_from_netlink"), "udev");
    EXPECT_EQ(argumentOf("udev_monitor_filter_add_match_subsystem_devtype"), "hidraw");
    EXPECT_EQ(FakeUdev::liveObjects(), 0);
}

TEST(DeviceWatcherTest, AnEventForADeviceAlreadyGoneChangesNothing)
{
    FakeHidapi::reset();
    FakeUdev::reset();
    HidapiBackend hid;
    Changes changes;
    {
        DeviceWatcher watcher(hid, openHotplugMonitor(), changes.listener());
        watcher.watch({{0x1A2B, 0x3C4D}});
        const auto device = attach("/dev/hidraw95", 0x1A2B, 0x3C4D);
        device->unplug();
        FakeUdev::announce("add", "/dev/hidraw95");
        FakeUdev::announce("remove", "/dev/hidraw96");
        ASSERT_TRUE(waitUntil([] { return FakeUdev::count("udev_device_unref") == 2; }));
        // Asking again makes one more look, after the one that followed the events.
        const std::size_t passes = watcher.passes();
        watcher.watch({{0x1A2B, 0x3C4D}});
        ASSERT_TRUE(waitUntil([&] { return watcher.passes() > passes; }));
        EXPECT_EQ(changes.size(), 0u);
        EXPECT_TRUE(watcher.attached().empty());
    }
    EXPECT_EQ(FakeUdev::liveObjects(), 0);
}
#endif
