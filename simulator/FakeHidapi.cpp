#include "FakeHidapi.h"

#include "CallRecorder.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <hidapi.h>
#include <mutex>
#include <thread>

struct hid_device_
{
    std::unique_ptr<HidDevice> handle;
    std::shared_ptr<SimulatedBootloaderDevice> device;
};

namespace {

struct State
{
    std::mutex mutex;
    struct Attached
    {
        std::string path;
        std::shared_ptr<SimulatedBootloaderDevice> device;
        FakeHidapi::Strings strings;
    };
    std::vector<Attached> devices;
    CallRecorder<FakeHidapi::Call, FakeHidapi::Faults> recorder;
    int openHandles = 0;
    int liveEnumerations = 0;
    std::atomic<int> globalCallsRunning = 0;
    std::atomic<std::size_t> overlappingGlobalCalls = 0;
};

State &state()
{
    static State instance;
    return instance;
}

FakeHidapi::Faults record(FakeHidapi::Call call)
{
    return state().recorder.record(std::move(call));
}

// Marks a call into hidapi's global state. It lasts a little, so that two of them made at
// once from two threads are seen to overlap.
class GlobalCall
{
public:
    GlobalCall()
    {
        if (state().globalCallsRunning.fetch_add(1) > 0) {
            ++state().overlappingGlobalCalls;
        }
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    ~GlobalCall() { --state().globalCallsRunning; }
    GlobalCall(const GlobalCall &) = delete;
    GlobalCall &operator=(const GlobalCall &) = delete;
};

} // namespace

namespace FakeHidapi {

void reset()
{
    State &s = state();
    s.recorder.reset();
    const std::lock_guard lock(s.mutex);
    s.devices.clear();
    s.openHandles = 0;
    s.liveEnumerations = 0;
    s.overlappingGlobalCalls = 0;
}

void attach(const std::string &path, std::shared_ptr<SimulatedBootloaderDevice> device,
            Strings strings)
{
    State &s = state();
    const std::lock_guard lock(s.mutex);
    s.devices.push_back({path, std::move(device), std::move(strings)});
}

void setFaults(const Faults &faults)
{
    state().recorder.setFaults(faults);
}

std::vector<Call> calls()
{
    return state().recorder.calls();
}

std::size_t count(std::string_view function)
{
    return state().recorder.count(function);
}

int openHandles()
{
    State &s = state();
    const std::lock_guard lock(s.mutex);
    return s.openHandles;
}

int liveEnumerations()
{
    State &s = state();
    const std::lock_guard lock(s.mutex);
    return s.liveEnumerations;
}

std::size_t overlappingGlobalCalls()
{
    return state().overlappingGlobalCalls;
}

void recordPlatformCall(Call call)
{
    record(std::move(call));
}

} // namespace FakeHidapi

extern "C" {

int hid_init(void)
{
    const GlobalCall global;
    return record({"hid_init"}).initResult;
}

int hid_exit(void)
{
    const GlobalCall global;
    record({"hid_exit"});
    return 0;
}

// Like hidapi, an identifier of 0 matches any device.
hid_device_info *hid_enumerate(unsigned short vendor_id, unsigned short product_id)
{
    const GlobalCall global;
    record({.function = "hid_enumerate", .vendorID = vendor_id, .productID = product_id});
    State &s = state();
    const std::lock_guard lock(s.mutex);
    hid_device_info *first = nullptr;
    hid_device_info **next = &first;
    for (const auto &[path, device, strings] : s.devices) {
        if (!device->isPresent() || (vendor_id != 0 && vendor_id != device->vendorID()) ||
            (product_id != 0 && product_id != device->productID())) {
            continue;
        }
        auto *info = static_cast<hid_device_info *>(std::calloc(1, sizeof(hid_device_info)));
        info->path = strdup(path.c_str());
        info->vendor_id = device->vendorID();
        info->product_id = device->productID();
        // hidapi leaves a string out (null) when the device has none.
        const auto copy = [](const std::wstring &text) {
            return text.empty() ? nullptr : wcsdup(text.c_str());
        };
        info->serial_number = copy(strings.serialNumber);
        info->manufacturer_string = copy(strings.manufacturer);
        info->product_string = copy(strings.product);
        *next = info;
        next = &info->next;
    }
    ++s.liveEnumerations;
    return first;
}

void hid_free_enumeration(hid_device_info *devs)
{
    record({"hid_free_enumeration"});
    while (devs != nullptr) {
        hid_device_info *next = devs->next;
        std::free(devs->path);
        std::free(devs->serial_number);
        std::free(devs->manufacturer_string);
        std::free(devs->product_string);
        std::free(devs);
        devs = next;
    }
    State &s = state();
    const std::lock_guard lock(s.mutex);
    --s.liveEnumerations;
}

hid_device *hid_open_path(const char *path)
{
    const GlobalCall global;
    const FakeHidapi::Faults faults = record({.function = "hid_open_path", .path = path});
    std::shared_ptr<SimulatedBootloaderDevice> device;
    {
        State &s = state();
        const std::lock_guard lock(s.mutex);
        for (const auto &attached : s.devices) {
            if (attached.path == path && attached.device->isPresent()) {
                device = attached.device;
            }
        }
    }
    if (!device) {
        errno = ENOENT;
        return nullptr;
    }
    if (faults.openErrno != 0) {
        errno = faults.openErrno;
        return nullptr;
    }
    std::unique_ptr<HidDevice> handle = device->newHandle();
    if (handle->open() != 0) {
        errno = EIO;
        return nullptr;
    }
    State &s = state();
    const std::lock_guard lock(s.mutex);
    ++s.openHandles;
    return new hid_device{std::move(handle), std::move(device)};
}

int hid_write(hid_device *dev, const unsigned char *data, size_t length)
{
    const FakeHidapi::Faults faults =
        record({.function = "hid_write", .bytes = {data, data + length}, .device = dev});
    // The leading byte is the report ID; the device gets the payload.
    if (length == 0 || data[0] != 0x00 ||
        dev->handle->writeOutputReport(std::span(data + 1, length - 1)) != 0) {
        errno = dev->device->isPresent() ? EIO : ENODEV;
        return -1;
    }
    if (faults.writeResult) {
        errno = faults.writeErrno;
        return *faults.writeResult;
    }
    return int(length);
}

int hid_read_timeout(hid_device *dev, unsigned char *data, size_t length, int milliseconds)
{
    const FakeHidapi::Faults faults = record({.function = "hid_read_timeout",
                                              .length = length,
                                              .milliseconds = milliseconds,
                                              .device = dev});
    if (faults.readErrno != 0) {
        errno = faults.readErrno;
        return -1;
    }
    const std::optional<HidInputReport> report =
        dev->handle->readInputReport(std::chrono::milliseconds(std::max(milliseconds, 0)));
    if (!report) {
        return 0;
    }
    const std::size_t copied = std::min(length, report->bytes.size());
    std::copy_n(report->bytes.begin(), copied, data);
    return int(copied);
}

void hid_close(hid_device *dev)
{
    const GlobalCall global;
    record({.function = "hid_close", .device = dev});
    dev->handle->close();
    delete dev;
    State &s = state();
    const std::lock_guard lock(s.mutex);
    --s.openHandles;
}

} // extern "C"
