#pragma once

#include "DevicePlan.h"

#include <chrono>
#include <memory>
#include <stop_token>
#include <string>
#include <thread>
#include <vector>

class SimulatedBootloaderDevice;
class SimulatedHidBackend;

// A file in `folder` standing in for the hidraw node of simulated device `number`, so that
// doctor has a node to look at: "hidraw<number>", mode 0660, or 0000 for one that may not be
// opened. Its path.
std::string makeStandInNode(const std::string &folder, int number, bool denied);

// The devices of a plan on a simulated bus, with serial numbers SIM0001, SIM0002, ... and USB
// ports 1-1, 1-2, ... in plan order. Those there from the start are attached at once; the
// others come and go at their times, counted from construction, on a thread of their own.
// `hid` must outlive this.
class PlannedDevices
{
public:
    // With a `nodeFolder`, each device sits at a stand-in node made there (makeStandInNode).
    PlannedDevices(SimulatedHidBackend &hid, const std::vector<PlannedDevice> &plan,
                   const std::string &nodeFolder = {});
    // Promptly, whatever is still to come; the devices stay as they are.
    ~PlannedDevices() = default;
    PlannedDevices(const PlannedDevices &) = delete;
    PlannedDevices &operator=(const PlannedDevices &) = delete;

    // In plan order, each entry's count expanded in place.
    const std::vector<std::shared_ptr<SimulatedBootloaderDevice>> &devices() const
    {
        return m_devices;
    }

private:
    struct Change
    {
        std::chrono::milliseconds at;
        std::shared_ptr<SimulatedBootloaderDevice> device;
        bool plugIn = false;
    };

    void run(std::stop_token stop, std::chrono::steady_clock::time_point start) const;

    SimulatedHidBackend &m_hid;
    std::vector<std::shared_ptr<SimulatedBootloaderDevice>> m_devices;
    // In time order, fixed before the thread starts.
    std::vector<Change> m_changes;
    // Last, so that it is stopped and joined before the members it reads go.
    std::jthread m_schedule;
};
