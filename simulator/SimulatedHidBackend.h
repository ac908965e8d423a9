#pragma once

#include "SimulatedBootloaderDevice.h"
#include "bootloader/HidBackend.h"

#include <cstddef>
#include <memory>
#include <mutex>
#include <vector>

// The HID seam with simulated devices plugged in. Several may be attached at once, with the
// same or different identifiers; discovery lists them in the order they were attached.
class SimulatedHidBackend final : public HidBackend
{
public:
    SimulatedHidBackend() = default;
    SimulatedHidBackend(const SimulatedHidBackend &) = delete;
    SimulatedHidBackend &operator=(const SimulatedHidBackend &) = delete;

    void attach(std::shared_ptr<SimulatedBootloaderDevice> device);
    void detach(const std::shared_ptr<SimulatedBootloaderDevice> &device);

    std::vector<std::unique_ptr<HidDevice>> devices(int64_t vendorID, int64_t productID) override;
    // How often devices() was asked, whatever it found.
    std::size_t lookups() const;

private:
    mutable std::mutex m_mutex;
    std::vector<std::shared_ptr<SimulatedBootloaderDevice>> m_attached;
    std::size_t m_lookups = 0;
};
