#include "SimulatedBootloaderDevice.h"

#include "bootloader/HIDBootloader.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

// With a node folder, a file there stands in for the device's node: other programs lock it
// as they lock a real one, and doctor reads its mode (none at all for a device that refuses
// to be opened for want of permission, as a node without an ACL for this user would).
std::string nextSimulatedPath(const std::string &nodeFolder, bool denied)
{
    static std::atomic<unsigned> counter{0};
    const std::string name = "hidraw" + std::to_string(counter++);
    if (nodeFolder.empty()) {
        return "/sim/" + name;
    }
    const std::string node = nodeFolder + "/" + name;
    // Appending leaves a node another program holds as it is.
    std::ofstream(node, std::ios::app);
    namespace fs = std::filesystem;
    std::error_code ignored;
    fs::permissions(node,
                    denied ? fs::perms::none
                           : fs::perms::owner_read | fs::perms::owner_write |
                                 fs::perms::group_read | fs::perms::group_write,
                    ignored);
    return node;
}

} // namespace

// One connection to the device, as discovery hands it out. Dropping it does not close
// the device, so a client that forgets to close shows up in the device's counters.
class SimulatedBootloaderDevice::Handle final : public HidDevice
{
public:
    explicit Handle(std::shared_ptr<SimulatedBootloaderDevice> device) : m_device(std::move(device))
    {
        m_device->handleCreated();
    }
    ~Handle() override { m_device->handleDestroyed(); }
    Handle(const Handle &) = delete;
    Handle &operator=(const Handle &) = delete;

    int32_t open() override
    {
        if (m_open) {
            return 0;
        }
        const int32_t code = m_device->hostOpen();
        m_open = code == 0;
        return code;
    }

    int32_t writeOutputReport(std::span<const uint8_t> report) override
    {
        return m_device->hostWrite(m_open, report);
    }

    std::optional<HidInputReport> readInputReport(std::chrono::milliseconds timeout) override
    {
        return m_device->hostRead(m_open, timeout);
    }

    void close() override
    {
        m_device->hostClose(m_open);
        m_open = false;
    }

    std::string path() const override { return m_device->path(); }

private:
    std::shared_ptr<SimulatedBootloaderDevice> m_device;
    bool m_open = false;
};

SimulatedBootloaderDevice::SimulatedBootloaderDevice(uint16_t vendorID, uint16_t productID)
    : SimulatedBootloaderDevice(vendorID, productID, Behaviour{})
{
}

SimulatedBootloaderDevice::SimulatedBootloaderDevice(uint16_t vendorID, uint16_t productID,
                                                     Behaviour behaviour)
    : m_vendorID(vendorID), m_productID(productID),
      m_path(nextSimulatedPath(behaviour.nodeFolder, behaviour.openFailure == EACCES)),
      m_behaviour(std::move(behaviour))
{
}

std::unique_ptr<HidDevice> SimulatedBootloaderDevice::newHandle()
{
    return std::make_unique<Handle>(shared_from_this());
}

void SimulatedBootloaderDevice::plugIn()
{
    const std::lock_guard lock(m_mutex);
    m_present = true;
}

void SimulatedBootloaderDevice::unplug()
{
    {
        const std::lock_guard lock(m_mutex);
        leaveBusLocked();
    }
    m_changed.notify_all();
}

std::string SimulatedBootloaderDevice::serialNumber() const
{
    const std::lock_guard lock(m_mutex);
    return m_behaviour.serialNumber.value_or(
        m_path.substr(m_path.find_last_not_of("0123456789") + 1));
}

std::string SimulatedBootloaderDevice::usbPort() const
{
    const std::lock_guard lock(m_mutex);
    return m_behaviour.usbPort;
}

bool SimulatedBootloaderDevice::isPresent() const
{
    const std::lock_guard lock(m_mutex);
    return m_present;
}

std::vector<uint8_t> SimulatedBootloaderDevice::standardAnswer()
{
    std::vector<uint8_t> answer(HIDBootloader::reportSize, 0x00);
    std::copy(std::begin(HIDBootloader::handshakePrefix), std::end(HIDBootloader::handshakePrefix),
              answer.begin());
    answer[4] = 0x01;
    answer[5] = 0x01;
    // The device's own status block: ready, bootloader 1.4, 1024-byte pages (little endian).
    answer[6] = 0x00;
    answer[7] = 0x01;
    answer[8] = 0x04;
    answer[9] = 0x00;
    answer[10] = 0x04;
    return answer;
}

std::vector<SimulatedBootloaderDevice::ReceivedReport> SimulatedBootloaderDevice::reports() const
{
    const std::lock_guard lock(m_mutex);
    return m_reports;
}

std::vector<uint8_t> SimulatedBootloaderDevice::receivedImage() const
{
    const std::lock_guard lock(m_mutex);
    return m_image;
}

std::size_t SimulatedBootloaderDevice::imageReportCount() const
{
    const std::lock_guard lock(m_mutex);
    return m_imageReports;
}

std::size_t SimulatedBootloaderDevice::reportsUnderPace() const
{
    const std::lock_guard lock(m_mutex);
    return m_underPace;
}

std::optional<SimulatedBootloaderDevice::Clock::duration>
SimulatedBootloaderDevice::shortestImageGap() const
{
    const std::lock_guard lock(m_mutex);
    return m_shortestGap;
}

std::size_t SimulatedBootloaderDevice::handshakes() const
{
    const std::lock_guard lock(m_mutex);
    return m_handshakes;
}

bool SimulatedBootloaderDevice::isOpen() const
{
    const std::lock_guard lock(m_mutex);
    return m_openHandles > 0;
}

int SimulatedBootloaderDevice::liveHandles() const
{
    const std::lock_guard lock(m_mutex);
    return m_liveHandles;
}

std::size_t SimulatedBootloaderDevice::opens() const
{
    const std::lock_guard lock(m_mutex);
    return m_opens;
}

std::size_t SimulatedBootloaderDevice::closes() const
{
    const std::lock_guard lock(m_mutex);
    return m_closes;
}

std::size_t SimulatedBootloaderDevice::readCalls() const
{
    const std::lock_guard lock(m_mutex);
    return m_reads;
}

int32_t SimulatedBootloaderDevice::hostOpen()
{
    const std::lock_guard lock(m_mutex);
    if (!m_present) {
        return noDeviceCode;
    }
    if (m_behaviour.openFailure) {
        return *m_behaviour.openFailure;
    }
    ++m_opens;
    if (m_openHandles++ == 0 && m_behaviour.staleReport) {
        queue(HidInputReport{0, *m_behaviour.staleReport}, Clock::now());
    }
    return 0;
}

void SimulatedBootloaderDevice::hostClose(bool wasOpen)
{
    {
        const std::lock_guard lock(m_mutex);
        ++m_closes;
        if (wasOpen && --m_openHandles == 0) {
            // The last connection gone, the bootloader restarts into the new image.
            m_bootload = false;
            m_pending.clear();
        }
    }
    m_changed.notify_all();
}

int32_t SimulatedBootloaderDevice::hostWrite(bool open, std::span<const uint8_t> bytes)
{
    bool vanished = false;
    {
        const std::lock_guard lock(m_mutex);
        if (!open) {
            return notOpenCode;
        }
        ++m_writes;
        if (!m_present) {
            return noDeviceCode;
        }
        if (m_behaviour.writeFailure && m_behaviour.writeFailure->nth == m_writes) {
            return m_behaviour.writeFailure->code;
        }

        const Clock::time_point now = Clock::now();
        ReceivedReport received{std::vector<uint8_t>(bytes.begin(), bytes.end()), now, m_bootload};
        if (m_bootload) {
            m_image.insert(m_image.end(), bytes.begin(), bytes.end());
            ++m_imageReports;
            if (m_lastImageArrival) {
                const Clock::duration gap = now - *m_lastImageArrival;
                if (gap < minimumReportGap) {
                    ++m_underPace;
                }
                m_shortestGap = m_shortestGap ? std::min(*m_shortestGap, gap) : gap;
            }
            m_lastImageArrival = now;
        } else if (isHandshakeRequest(bytes)) {
            ++m_handshakes;
            m_bootload = true;
            m_image.clear();
            m_imageReports = 0;
            m_underPace = 0;
            m_lastImageArrival.reset();
            m_shortestGap.reset();
            if (m_behaviour.answers) {
                answerHandshake(now);
            }
        }
        m_reports.push_back(std::move(received));

        if (m_behaviour.vanishAfterReports && m_reports.size() >= *m_behaviour.vanishAfterReports) {
            leaveBusLocked();
            vanished = true;
        }
    }
    if (vanished) {
        m_changed.notify_all();
    }
    return 0;
}

std::optional<HidInputReport> SimulatedBootloaderDevice::hostRead(bool open,
                                                                  std::chrono::milliseconds timeout)
{
    const Clock::time_point deadline = Clock::now() + timeout;
    std::unique_lock lock(m_mutex);
    ++m_reads;
    for (;;) {
        // A closed handle or a vanished device fails the read at once, as hardware does.
        if (!open || !m_present) {
            return std::nullopt;
        }
        const Clock::time_point now = Clock::now();
        if (!m_pending.empty() && m_pending.front().due <= now) {
            HidInputReport report = std::move(m_pending.front().report);
            m_pending.pop_front();
            return report;
        }
        if (now >= deadline) {
            return std::nullopt;
        }
        Clock::time_point wake = deadline;
        if (!m_pending.empty()) {
            wake = std::min(wake, m_pending.front().due);
        }
        m_changed.wait_until(lock, wake);
    }
}

void SimulatedBootloaderDevice::handleCreated()
{
    const std::lock_guard lock(m_mutex);
    ++m_liveHandles;
}

void SimulatedBootloaderDevice::handleDestroyed()
{
    const std::lock_guard lock(m_mutex);
    --m_liveHandles;
}

void SimulatedBootloaderDevice::leaveBusLocked()
{
    m_present = false;
    m_bootload = false;
    m_pending.clear();
}

void SimulatedBootloaderDevice::answerHandshake(Clock::time_point now)
{
    std::vector<uint8_t> answer = standardAnswer();
    if (m_behaviour.answerLength) {
        answer.resize(*m_behaviour.answerLength, 0x00);
    }
    for (const auto &[index, value] : m_behaviour.answerBytes) {
        if (index < answer.size()) {
            answer[index] = value;
        }
    }
    const Clock::time_point due = now + m_behaviour.answerDelay;
    queue(HidInputReport{m_behaviour.answerResult, std::move(answer)}, due);
    for (const std::vector<uint8_t> &extra : m_behaviour.reportsAfterAnswer) {
        queue(HidInputReport{0, extra}, due);
    }
}

void SimulatedBootloaderDevice::queue(HidInputReport report, Clock::time_point due)
{
    const auto later = std::upper_bound(
        m_pending.begin(), m_pending.end(), due,
        [](Clock::time_point time, const PendingReport &pending) { return time < pending.due; });
    m_pending.insert(later, PendingReport{std::move(report), due});
    m_changed.notify_all();
}

bool SimulatedBootloaderDevice::isHandshakeRequest(std::span<const uint8_t> bytes)
{
    if (bytes.size() != HIDBootloader::reportSize) {
        return false;
    }
    return std::equal(std::begin(HIDBootloader::handshakePrefix),
                      std::end(HIDBootloader::handshakePrefix), bytes.begin()) &&
           bytes[4] == 0x01 && bytes[5] == 0x01;
}
