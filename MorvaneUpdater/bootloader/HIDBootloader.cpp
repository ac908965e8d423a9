#include "bootloader/HIDBootloader.h"

#include "bootloader/TransferStopped.h"
#include "bootloader/UsbIdentifier.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <thread>
#include <vector>

namespace {

// The image followed by zero bytes up to a whole number of pages; unchanged when it already
// is one (the empty image included).
std::vector<uint8_t> padFirmware(std::span<const uint8_t> image, std::size_t pageSize)
{
    std::vector<uint8_t> padded(image.begin(), image.end());
    const std::size_t remainder = image.size() % pageSize;
    if (remainder != 0) {
        padded.resize(image.size() + (pageSize - remainder), 0x00);
    }
    return padded;
}

// The percentage reported after the report that ends at `end` of `total` bytes, truncated.
int transferProgress(std::size_t end, std::size_t total)
{
    if (total == 0 || end >= total) {
        return 100;
    }
    // Images live in memory, so end * 100 stays far below the range of std::size_t.
    return static_cast<int>(end * 100 / total);
}

using Clock = std::chrono::steady_clock;

// Closes the opened device on every way out of a transfer, exceptions included.
class DeviceCloser
{
public:
    explicit DeviceCloser(HidDevice &device) : m_device(device) {}
    ~DeviceCloser() { m_device.close(); }
    DeviceCloser(const DeviceCloser &) = delete;
    DeviceCloser &operator=(const DeviceCloser &) = delete;

private:
    HidDevice &m_device;
};

// sleep_for may wake early on some platforms; the pause must never be shorter.
void sleepUntil(Clock::time_point target)
{
    while (Clock::now() < target) {
        std::this_thread::sleep_until(target);
    }
}

void throwIfStopped(const std::stop_token &stop)
{
    if (stop.stop_requested()) {
        throw TransferStopped();
    }
}

// Reports the device queued before the request are not the answer; a bounded number of
// non-blocking reads throws them away.
constexpr int maxDiscardedReports = 1024;

// The response slot that the receive path fills; the response wait empties it.
struct HIDReadContext
{
    std::optional<std::vector<uint8_t>> response;
};

// Only a cleanly delivered report counts, and it replaces any report not yet taken.
void deliverInputReport(HIDReadContext &context, const HidInputReport &report)
{
    if (report.result == 0) {
        context.response = report.bytes;
    }
}

// Sends `bytes` as one 64-byte report: cut to 64, or zero-filled up to 64.
void writeReport(std::span<const uint8_t> bytes, HidDevice &device)
{
    std::array<uint8_t, HIDBootloader::reportSize> report{};
    std::copy_n(bytes.begin(), std::min(bytes.size(), report.size()), report.begin());
    if (const int32_t code = device.writeOutputReport(report); code != 0) {
        throw BootloaderError::writeFailed(code);
    }
}

void discardQueuedReports(HidDevice &device)
{
    for (int i = 0; i < maxDiscardedReports; ++i) {
        if (!device.readInputReport(std::chrono::milliseconds::zero())) {
            return;
        }
    }
}

// Delivers every report that arrives within one slice; the last one stays in the context.
void runSlice(HidDevice &device, HIDReadContext &readContext)
{
    const Clock::time_point sliceEnd = Clock::now() + HIDBootloader::runLoopSlice;
    for (;;) {
        const Clock::time_point now = Clock::now();
        if (now >= sliceEnd) {
            return;
        }
        const auto remaining = std::chrono::ceil<std::chrono::milliseconds>(sliceEnd - now);
        const std::optional<HidInputReport> report = device.readInputReport(remaining);
        if (!report) {
            // Nothing came, or the read failed at once: either way the slice runs out
            // here instead of spinning on a failing device.
            sleepUntil(sliceEnd);
            return;
        }
        deliverInputReport(readContext, *report);
    }
}

// Takes the answer, looking at the context only before each slice: a report that comes
// in the slice in which the deadline passes loses to the time-out.
std::vector<uint8_t> waitForResponse(HidDevice &device, const std::stop_token &stop)
{
    HIDReadContext readContext;
    const Clock::time_point deadline = Clock::now() + HIDBootloader::responseTimeout;
    while (Clock::now() < deadline) {
        throwIfStopped(stop);
        if (readContext.response) {
            return std::move(*readContext.response);
        }
        runSlice(device, readContext);
    }
    throw BootloaderError::readTimedOut();
}

// The handshake; the device must be open.
void enterBootload(HidDevice &device, std::span<const uint8_t> versionBytes,
                   const std::stop_token &stop)
{
    throwIfStopped(stop);
    discardQueuedReports(device);

    const std::span<const uint8_t> prefix(HIDBootloader::handshakePrefix);
    std::vector<uint8_t> request(prefix.begin(), prefix.end());
    request.push_back(0x01);
    request.push_back(0x01);
    request.insert(request.end(), versionBytes.begin(), versionBytes.end());
    writeReport(request, device);

    const std::vector<uint8_t> answer = waitForResponse(device, stop);
    if (answer.size() != HIDBootloader::reportSize) {
        throw BootloaderError::unexpectedResponseLength(static_cast<int64_t>(answer.size()));
    }
    std::vector<uint8_t> expected(prefix.begin(), prefix.end());
    expected.push_back(0x01);
    expected.push_back(0x01);
    if (!std::equal(expected.begin(), expected.end(), answer.begin())) {
        throw BootloaderError::unexpectedHandshake(
            std::vector<uint8_t>(answer.begin(), answer.begin() + 8));
    }
}

} // namespace

HIDBootloader::HIDBootloader(HidBackend &backend) : m_backend(backend)
{
}

std::size_t HIDBootloader::imageReportCount(std::size_t imageBytes)
{
    const std::size_t pages = (imageBytes + pageChunkSize - 1) / pageChunkSize;
    return pages * (pageChunkSize / reportSize);
}

double HIDBootloader::secondsLeft(int percent, std::size_t imageBytes)
{
    const auto reports = double(imageReportCount(imageBytes));
    const double left = reports * double(100 - percent) / 100;
    const double seconds = left * double(reportDelay.count()) / 1000;
    // Half a tenth rounds up, as Qt's qRound does for the times shown.
    return std::floor(seconds * 10 + 0.5) / 10;
}

void HIDBootloader::flash(std::span<const uint8_t> firmware, std::string_view vid,
                          std::string_view pid, const Progress &progress, std::stop_token stop)
{
    const std::optional<int64_t> vendorID = parseUSBIdentifier(vid);
    if (!vendorID) {
        throw BootloaderError::invalidUSBIdentifier();
    }
    const std::optional<int64_t> productID = parseUSBIdentifier(pid);
    if (!productID) {
        throw BootloaderError::invalidUSBIdentifier();
    }

    const std::unique_ptr<HidDevice> device = findDevice(*vendorID, *productID);
    if (!device) {
        throw BootloaderError::deviceNotFound();
    }
    TransferReach reach;
    flashDevice(*device, firmware, progress, std::move(stop), reach);
}

void HIDBootloader::flashDevice(HidDevice &device, std::span<const uint8_t> firmware,
                                const Progress &progress, std::stop_token stop,
                                TransferReach &reach)
{
    reach = {};
    // Never opened, so not closed; the handle itself stays with the caller.
    if (const int32_t code = device.open(); code != 0) {
        throw BootloaderError::openFailed(code);
    }
    const DeviceCloser closer(device);
    reach.phase = TransferReach::Phase::opened;

    enterBootload(device, defaultVersionBytes, stop);
    reach.phase = TransferReach::Phase::handshake;

    const std::vector<uint8_t> padded = padFirmware(firmware, pageChunkSize);
    const std::size_t total = padded.size();
    const auto report = [&progress](int percent) {
        if (progress) {
            progress(percent);
        }
    };

    report(0);
    for (std::size_t offset = 0; offset < total; offset += reportSize) {
        throwIfStopped(stop);
        const std::size_t end = std::min(offset + reportSize, total);
        writeReport(std::span(padded).subspan(offset, end - offset), device);
        reach = {TransferReach::Phase::transfer, end};
        // The pause runs from the moment the report left, so time spent in the progress
        // callback is part of it rather than added to it.
        const Clock::time_point nextReport = Clock::now() + reportDelay;
        report(transferProgress(end, total));
        sleepUntil(nextReport);
    }
}

std::unique_ptr<HidDevice> HIDBootloader::findDevice(int64_t vendorID, int64_t productID)
{
    std::vector<std::unique_ptr<HidDevice>> matches = m_backend.devices(vendorID, productID);
    if (matches.empty()) {
        return nullptr;
    }
    return std::move(matches.front());
}
