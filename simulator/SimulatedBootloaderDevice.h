#pragma once

#include "bootloader/HidBackend.h"

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

// A USB device with a HID bootloader, as the updater sees it through the HID seam. It
// answers a correct handshake request, then reassembles the image from the reports that
// follow, and records every report with its arrival time so that tests can check what
// reached the device and how it was paced. Its misbehaviours are chosen up front through
// Behaviour. All members are safe to call from any thread.
class SimulatedBootloaderDevice final
    : public std::enable_shared_from_this<SimulatedBootloaderDevice>
{
public:
    using Clock = std::chrono::steady_clock;

    // The code of calls on a device that has gone from the bus (IOKit's "no such device").
    static constexpr int32_t noDeviceCode = static_cast<int32_t>(0xE00002C0);
    // The code of calls through a handle that is not open (IOKit's "not open").
    static constexpr int32_t notOpenCode = static_cast<int32_t>(0xE00002CD);
    // The image pacing the device expects between two image reports.
    static constexpr std::chrono::milliseconds minimumReportGap{50};

    struct WriteFailure
    {
        std::size_t nth = 0; // 1-based over every output report, the handshake request first
        int32_t code = 0;
    };

    struct Behaviour
    {
        bool answers = true;
        Clock::duration answerDelay{};
        // Bytes of the answer replaced by other values: {index, value}.
        std::vector<std::pair<std::size_t, uint8_t>> answerBytes;
        // Answer cut or zero-filled to this length instead of 64.
        std::optional<std::size_t> answerLength;
        // Result code the answer is delivered with; non-zero ones are dropped by the client.
        int32_t answerResult = 0;
        // Delivered at the same moment as the answer, right after it.
        std::vector<std::vector<uint8_t>> reportsAfterAnswer;
        // Queued when the device is opened, before any request.
        std::optional<std::vector<uint8_t>> staleReport;
        std::optional<int32_t> openFailure;
        std::optional<WriteFailure> writeFailure;
        // Leaves the bus once this many output reports have arrived.
        std::optional<std::size_t> vanishAfterReports;
        // What the device tells of itself before it is opened: by default its serial number
        // is its path's number, and it names no USB port.
        std::optional<std::string> serialNumber;
        std::string usbPort;
        // Its path instead of a made-up /sim/hidrawN: a file standing in for its node, which
        // doctor looks at as it looks at a hidraw node.
        std::optional<std::string> path = {};
    };

    struct ReceivedReport
    {
        std::vector<uint8_t> bytes;
        Clock::time_point arrival;
        bool image = false; // false for the handshake request and reports outside bootload
    };

    SimulatedBootloaderDevice(uint16_t vendorID, uint16_t productID);
    SimulatedBootloaderDevice(uint16_t vendorID, uint16_t productID, Behaviour behaviour);
    SimulatedBootloaderDevice(const SimulatedBootloaderDevice &) = delete;
    SimulatedBootloaderDevice &operator=(const SimulatedBootloaderDevice &) = delete;

    uint16_t vendorID() const { return m_vendorID; }
    uint16_t productID() const { return m_productID; }
    // Unique per simulated device, as a hidraw node is per attached device.
    const std::string &path() const { return m_path; }
    // Fixed at construction, like the ids.
    std::string serialNumber() const;
    std::string usbPort() const;

    // A new, unopened connection to the device; the backend hands these out.
    std::unique_ptr<HidDevice> newHandle();
    // Plugging and unplugging; an unplugged device fails every call and is listed nowhere.
    void plugIn();
    void unplug();
    bool isPresent() const;

    // The 64-byte answer the device gives to a correct handshake request.
    static std::vector<uint8_t> standardAnswer();

    std::vector<ReceivedReport> reports() const;
    std::vector<uint8_t> receivedImage() const;
    std::size_t imageReportCount() const;
    // Image reports that came less than minimumReportGap after the image report before.
    std::size_t reportsUnderPace() const;
    // The smallest gap between two image reports; nothing with fewer than two.
    std::optional<Clock::duration> shortestImageGap() const;
    std::size_t handshakes() const;

    bool isOpen() const;
    int liveHandles() const;
    std::size_t opens() const;
    std::size_t closes() const;
    std::size_t readCalls() const;

private:
    class Handle;

    struct PendingReport
    {
        HidInputReport report;
        Clock::time_point due;
    };

    int32_t hostOpen();
    void hostClose(bool wasOpen);
    int32_t hostWrite(bool open, std::span<const uint8_t> bytes);
    std::optional<HidInputReport> hostRead(bool open, std::chrono::milliseconds timeout);
    void handleCreated();
    void handleDestroyed();

    // Leaves the bus: every later call fails. Called with m_mutex held.
    void leaveBusLocked();
    void answerHandshake(Clock::time_point now);
    void queue(HidInputReport report, Clock::time_point due);
    static bool isHandshakeRequest(std::span<const uint8_t> bytes);

    const uint16_t m_vendorID;
    const uint16_t m_productID;
    const std::string m_path;

    mutable std::mutex m_mutex;
    std::condition_variable m_changed;
    Behaviour m_behaviour;
    bool m_present = true;
    bool m_bootload = false;
    std::deque<PendingReport> m_pending;
    std::vector<ReceivedReport> m_reports;
    std::vector<uint8_t> m_image;
    std::optional<Clock::time_point> m_lastImageArrival;
    std::optional<Clock::duration> m_shortestGap;
    std::size_t m_underPace = 0;
    std::size_t m_imageReports = 0;
    std::size_t m_writes = 0;
    std::size_t m_handshakes = 0;
    std::size_t m_opens = 0;
    std::size_t m_closes = 0;
    std::size_t m_reads = 0;
    int m_openHandles = 0;
    int m_liveHandles = 0;
};

// The well-behaved device with one trait changed.
template <typename Field>
SimulatedBootloaderDevice::Behaviour
behaviourWith(Field SimulatedBootloaderDevice::Behaviour::*field, std::type_identity_t<Field> value)
{
    SimulatedBootloaderDevice::Behaviour behaviour;
    behaviour.*field = std::move(value);
    return behaviour;
}
