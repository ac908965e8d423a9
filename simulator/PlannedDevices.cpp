#include "PlannedDevices.h"

#include "SimulatedHidBackend.h"
#include "bootloader/HIDBootloader.h"

#include <algorithm>
#include <cerrno>
#include <condition_variable>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <mutex>

namespace {

// The handshake does not tell the image's size, so the device cannot know where its half is.
// Every image is padded to whole pages, so it takes at least one page of reports: leaving
// after half a page is halfway through the demo catalogue's smallest image (one page) and
// before the end of any image, whatever --file is flashed.
constexpr std::size_t vanishingImageReports =
    HIDBootloader::pageChunkSize / HIDBootloader::reportSize / 2;

SimulatedBootloaderDevice::Behaviour behaviourOf(DeviceFault fault, int number)
{
    SimulatedBootloaderDevice::Behaviour behaviour;
    switch (fault) {
    case DeviceFault::none:
        break;
    case DeviceFault::vanish:
        // The handshake request is the first of the reports counted.
        behaviour.vanishAfterReports = 1 + vanishingImageReports;
        break;
    case DeviceFault::silent:
        behaviour.answers = false;
        break;
    case DeviceFault::denied:
        behaviour.openFailure = EACCES;
        break;
    }
    char serial[16];
    std::snprintf(serial, sizeof serial, "SIM%04d", number);
    behaviour.serialNumber = serial;
    behaviour.usbPort = "1-" + std::to_string(number);
    return behaviour;
}

} // namespace

PlannedDevices::PlannedDevices(SimulatedHidBackend &hid, const std::vector<PlannedDevice> &plan,
                               const std::string &nodeFolder)
    : m_hid(hid)
{
    const auto start = std::chrono::steady_clock::now();
    for (const PlannedDevice &entry : plan) {
        for (int i = 0; i < entry.count; ++i) {
            SimulatedBootloaderDevice::Behaviour behaviour =
                behaviourOf(entry.fault, int(m_devices.size()) + 1);
            behaviour.nodeFolder = nodeFolder;
            auto device = std::make_shared<SimulatedBootloaderDevice>(
                entry.vendorID, entry.productID, std::move(behaviour));
            if (entry.arrive && *entry.arrive > std::chrono::milliseconds::zero()) {
                m_changes.push_back({*entry.arrive, device, true});
            } else {
                m_hid.attach(device);
            }
            if (entry.leave) {
                m_changes.push_back({*entry.leave, device, false});
            }
            if (entry.back) {
                m_changes.push_back({*entry.back, device, true});
            }
            m_devices.push_back(std::move(device));
        }
    }
    // Stable: a device's arrival comes before its departure, and plan order is kept.
    std::stable_sort(m_changes.begin(), m_changes.end(),
                     [](const Change &a, const Change &b) { return a.at < b.at; });
    if (!m_changes.empty()) {
        m_schedule = std::jthread([this, start](std::stop_token stop) { run(stop, start); });
    }
}

void PlannedDevices::run(std::stop_token stop, std::chrono::steady_clock::time_point start) const
{
    std::mutex mutex;
    std::condition_variable_any stopped;
    std::unique_lock lock(mutex);
    for (const Change &change : m_changes) {
        // Nothing but the stop wakes the wait early.
        stopped.wait_until(lock, stop, start + change.at, [] { return false; });
        if (stop.stop_requested()) {
            return;
        }
        if (change.plugIn) {
            m_hid.attach(change.device);
        } else {
            m_hid.detach(change.device);
        }
    }
}
