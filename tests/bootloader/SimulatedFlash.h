#pragma once

#include "HIDBootloader.h"
#include "SimulatedBootloaderDevice.h"
#include "SimulatedHidBackend.h"

#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

// One simulated device on its own bus, with a client for it.
struct SimulatedFlash
{
    static constexpr uint16_t vendorID = 0x1A2B;
    static constexpr uint16_t productID = 0x3C4D;

    struct Outcome
    {
        std::vector<int> progress;
        std::optional<BootloaderError> error;
    };

    explicit SimulatedFlash(SimulatedBootloaderDevice::Behaviour behaviour = {})
        : device(std::make_shared<SimulatedBootloaderDevice>(vendorID, productID,
                                                             std::move(behaviour)))
    {
        backend.attach(device);
    }

    Outcome flash(const std::vector<uint8_t> &image, std::string_view vid = "1A2B",
                  std::string_view pid = "3C4D")
    {
        Outcome outcome;
        try {
            bootloader.flash(image, vid, pid,
                             [&outcome](int percent) { outcome.progress.push_back(percent); });
        } catch (const BootloaderError &error) {
            outcome.error = error;
        }
        return outcome;
    }

    SimulatedHidBackend backend;
    std::shared_ptr<SimulatedBootloaderDevice> device;
    HIDBootloader bootloader{backend};
};

// The device was opened once and closed again, with no handle left behind.
inline void expectClosedAfterOneSession(const SimulatedBootloaderDevice &device)
{
    EXPECT_EQ(device.opens(), 1u);
    EXPECT_EQ(device.closes(), 1u);
    EXPECT_FALSE(device.isOpen());
    EXPECT_EQ(device.liveHandles(), 0);
}
