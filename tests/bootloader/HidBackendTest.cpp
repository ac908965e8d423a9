#include "HIDBootloader.h"
#include "HidapiBackend.h"
#include "SimulatedHidBackend.h"

#include <gtest/gtest.h>
#include <limits>
#include <memory>

TEST(HidBackendTest, BothBackendsMatchExactIdentifiersOnly)
{
    constexpr int64_t max = std::numeric_limits<int64_t>::max();
    // Only a wildcard 0 or truncation to 16 bits would let these match an attached device.
    const std::pair<int64_t, int64_t> unmatchable[] = {{0, 0},
                                                       {-1, 0x3C4D},
                                                       {0x1A2B, -1},
                                                       {0x11A2B, 0x3C4D},
                                                       {0x1A2B, 0x13C4D},
                                                       {-max - 1, 0x3C4D},
                                                       {0x1A2B, max}};
    SimulatedHidBackend simulated;
    for (const uint16_t vendorID : {0x1A2B, 0xFFFF, 0x0000}) {
        simulated.attach(std::make_shared<SimulatedBootloaderDevice>(vendorID, 0x3C4D));
    }
    simulated.attach(std::make_shared<SimulatedBootloaderDevice>(0x1A2B, 0xFFFF));
    // Dropping one backend must leave hidapi initialised for the other.
    auto first = std::make_unique<HidapiBackend>();
    HidapiBackend hidapi;
    first.reset();

    for (HidBackend *backend : std::initializer_list<HidBackend *>{&simulated, &hidapi}) {
        for (const auto &[vendorID, productID] : unmatchable) {
            EXPECT_TRUE(backend->devices(vendorID, productID).empty())
                << vendorID << ' ' << productID;
        }
    }
    EXPECT_EQ(simulated.devices(0x1A2B, 0x3C4D).size(), 1u);
    EXPECT_EQ(simulated.devices(0, 0x3C4D).size(), 1u);
    // A real enumeration; whether anything is attached here does not matter.
    for (const auto &device : hidapi.devices(0x1A2B, 0x3C4D)) {
        EXPECT_NE(device, nullptr);
    }
}

TEST(HidBackendTest, ReadContextKeepsTheLatestCleanReport)
{
    HIDReadContext context;
    hidInputReportCallback(&context, HidInputReport{0, {0x02, 0x03}});
    hidInputReportCallback(&context, HidInputReport{static_cast<int32_t>(0xE00002C5), {0x04}});
    hidInputReportCallback(nullptr, HidInputReport{0, {0x05}});
    EXPECT_EQ(context.response, (std::vector<uint8_t>{0x02, 0x03}));
}
