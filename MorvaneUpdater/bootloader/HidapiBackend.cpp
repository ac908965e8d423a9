#include "bootloader/HidapiBackend.h"

#include "bootloader/HidapiPlatform.h"
#include "bootloader/UsbIdentifier.h"

#include <algorithm>
#include <cerrno>
#include <hidapi.h>
#include <mutex>
#include <string>
#include <thread>

namespace {

// hidapi keeps one global state, which every backend instance shares and which hidapi does
// not guard: its initialisation and its last-error text, touched by opening, enumerating and
// closing as well. Only the report calls on distinct open devices run side by side, as the
// transfers to several devices at once do.
std::mutex hidapiMutex;
int initCount = 0;
bool initialised = false;

// hidapi hides the platform's code; errno is the closest there is, -1 when it is unset.
int32_t lastErrorCode()
{
    return errno != 0 ? static_cast<int32_t>(errno) : -1;
}

// hidapi's strings are wide: UTF-32 on Linux and macOS.
std::string toUtf8(const wchar_t *text)
{
    std::string utf8;
    if (text == nullptr) {
        return utf8;
    }
    for (; *text != L'\0'; ++text) {
        auto code = static_cast<uint32_t>(*text);
        if (code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
            code = 0xFFFD;
        }
        if (code < 0x80) {
            utf8 += static_cast<char>(code);
        } else if (code < 0x800) {
            utf8 += static_cast<char>(0xC0 | (code >> 6));
            utf8 += static_cast<char>(0x80 | (code & 0x3F));
        } else if (code < 0x10000) {
            utf8 += static_cast<char>(0xE0 | (code >> 12));
            utf8 += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            utf8 += static_cast<char>(0x80 | (code & 0x3F));
        } else {
            utf8 += static_cast<char>(0xF0 | (code >> 18));
            utf8 += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
            utf8 += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            utf8 += static_cast<char>(0x80 | (code & 0x3F));
        }
    }
    return utf8;
}

class HidapiDevice final : public HidDevice
{
public:
    explicit HidapiDevice(std::string path) : m_path(std::move(path)) {}
    ~HidapiDevice() override { close(); }
    HidapiDevice(const HidapiDevice &) = delete;
    HidapiDevice &operator=(const HidapiDevice &) = delete;

    int32_t open() override
    {
        if (m_device != nullptr) {
            return 0;
        }
        const std::lock_guard lock(hidapiMutex);
        errno = 0;
        m_device = hid_open_path(m_path.c_str());
        return m_device != nullptr ? 0 : lastErrorCode();
    }

    int32_t writeOutputReport(std::span<const uint8_t> report) override
    {
        if (m_device == nullptr) {
            return -1;
        }
        // hidapi takes the report ID as a leading byte; 0 marks the unnumbered report.
        std::vector<uint8_t> buffer;
        buffer.reserve(report.size() + 1);
        buffer.push_back(0x00);
        buffer.insert(buffer.end(), report.begin(), report.end());
        errno = 0;
        const int written = hid_write(m_device, buffer.data(), buffer.size());
        // Platforms count the report ID byte or not; fewer than the payload is a loss.
        if (written < 0 || static_cast<std::size_t>(written) < report.size()) {
            return lastErrorCode();
        }
        return 0;
    }

    std::optional<HidInputReport> readInputReport(std::chrono::milliseconds timeout) override
    {
        const auto deadline = std::chrono::steady_clock::now() + timeout;
        if (m_device == nullptr) {
            std::this_thread::sleep_until(deadline);
            return std::nullopt;
        }
        // Larger than any report the bootloader sends, so that an over-long answer keeps
        // its real length.
        std::vector<uint8_t> buffer(maxReportLength);
        const int received = hid_read_timeout(m_device, buffer.data(), buffer.size(),
                                              static_cast<int>(timeout.count()));
        if (received < 0) {
            // A failing device answers at once; waiting out the time keeps callers from
            // spinning on it.
            std::this_thread::sleep_until(deadline);
            return std::nullopt;
        }
        if (received == 0) {
            return std::nullopt;
        }
        buffer.resize(static_cast<std::size_t>(received));
        return HidInputReport{0, std::move(buffer)};
    }

    void close() override
    {
        if (m_device != nullptr) {
            const std::lock_guard lock(hidapiMutex);
            hid_close(m_device);
            m_device = nullptr;
        }
    }

    std::string path() const override { return m_path; }

private:
    static constexpr std::size_t maxReportLength = 4096;

    std::string m_path;
    hid_device *m_device = nullptr;
};

} // namespace

HidapiBackend::HidapiBackend()
{
    const std::lock_guard lock(hidapiMutex);
    if (initCount++ == 0) {
        initialised = hid_init() == 0;
        if (initialised) {
            configureHidapiAfterInit();
        }
    }
}

HidapiBackend::~HidapiBackend()
{
    const std::lock_guard lock(hidapiMutex);
    if (--initCount == 0 && initialised) {
        hid_exit();
        initialised = false;
    }
}

std::vector<std::unique_ptr<HidDevice>> HidapiBackend::devices(int64_t vendorID, int64_t productID)
{
    std::vector<std::unique_ptr<HidDevice>> found;
    // hidapi takes 16-bit identifiers; anything wider would be truncated onto another
    // device's identifier, so it matches nothing here.
    if (vendorID < 0 || vendorID > 0xFFFF || productID < 0 || productID > 0xFFFF) {
        return found;
    }
    const std::lock_guard lock(hidapiMutex);
    if (!initialised) {
        return found;
    }
    hid_device_info *list = hid_enumerate(static_cast<unsigned short>(vendorID),
                                          static_cast<unsigned short>(productID));
    // hid_enumerate reads 0 as "any", so every entry is compared exactly once more.
    for (const hid_device_info *info = list; info != nullptr; info = info->next) {
        if (info->path != nullptr &&
            usbIdentifiersMatch(vendorID, productID, info->vendor_id, info->product_id)) {
            found.push_back(std::make_unique<HidapiDevice>(info->path));
        }
    }
    hid_free_enumeration(list);
    return found;
}

std::vector<HidDeviceInfo> HidapiBackend::attachedDevices()
{
    std::vector<HidDeviceInfo> found;
    {
        const std::lock_guard lock(hidapiMutex);
        if (!initialised) {
            return found;
        }
        hid_device_info *list = hid_enumerate(0, 0);
        for (const hid_device_info *info = list; info != nullptr; info = info->next) {
            // hidapi lists a device once per top-level usage, each time under its one path.
            if (info->path != nullptr &&
                std::none_of(found.begin(), found.end(), [&](const HidDeviceInfo &known) {
                    return known.path == info->path;
                })) {
                found.push_back({.path = info->path,
                                 .vendorID = info->vendor_id,
                                 .productID = info->product_id,
                                 .serialNumber = toUtf8(info->serial_number),
                                 .manufacturer = toUtf8(info->manufacturer_string),
                                 .product = toUtf8(info->product_string)});
            }
        }
        hid_free_enumeration(list);
    }
    // Outside the lock: the platform's device tree is no part of hidapi's state.
    for (HidDeviceInfo &device : found) {
        device.usbPort = usbPortOfHidPath(device.path);
    }
    return found;
}

std::unique_ptr<HidDevice> HidapiBackend::deviceAt(const std::string &path)
{
    return std::make_unique<HidapiDevice>(path);
}
