#include "HIDBootloader.h"
#include "HidapiBackend.h"
#include "SimulatedBootloaderDevice.h"
#include "SimulatedHidBackend.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

// Identifiers that no USB device can carry, or that only a wildcard would match.
const std::pair<int64_t, int64_t> unmatchable[] = {
    {0, 0},
    {-1, 0x3C4D},
    {0x1A2B, -1},
    {0x11A2B, 0x3C4D},
    {0x1A2B, 0x13C4D},
    {std::numeric_limits<int64_t>::min(), 0},
    {0x1A2B, std::numeric_limits<int64_t>::max()},
};

} // namespace

TEST(HidapiBackendTest, EnumeratesWithoutMatchingImpossibleIdentifiers)
{
    HidapiBackend backend;
    for (const auto &[vendorID, productID] : unmatchable) {
        EXPECT_TRUE(backend.devices(vendorID, productID).empty()) << vendorID << ' ' << productID;
    }
    // A real enumeration; whether anything is attached does not matter.
    for (const auto &device : backend.devices(0x1A2B, 0x3C4D)) {
        EXPECT_NE(device, nullptr);
    }
}

TEST(HidapiBackendTest, SecondInstanceKeepsTheLibraryInitialised)
{
    auto first = std::make_unique<HidapiBackend>();
    HidapiBackend second;
    first.reset();
    EXPECT_TRUE(second.devices(0, 0).empty());
    HIDBootloader bootloader(second);
    EXPECT_EQ(bootloader.findDevice(-1, -1), nullptr);
}

TEST(SimulatedHidBackendTest, MatchesExactIdentifiersOnly)
{
    SimulatedHidBackend backend;
    auto device = std::make_shared<SimulatedBootloaderDevice>(0x1A2B, 0x3C4D);
    backend.attach(device);
    for (const auto &[vendorID, productID] : unmatchable) {
        EXPECT_TRUE(backend.devices(vendorID, productID).empty()) << vendorID << ' ' << productID;
    }
    EXPECT_EQ(backend.devices(0x1A2B, 0x3C4D).size(), 1u);

    auto zeroVendor = std::make_shared<SimulatedBootloaderDevice>(0x0000, 0x3C4D);
    backend.attach(zeroVendor);
    EXPECT_EQ(backend.devices(0, 0x3C4D).size(), 1u);
    EXPECT_EQ(backend.devices(0x1A2B, 0x3C4D).size(), 1u);
    EXPECT_EQ(device->lookups(), 2u);
    EXPECT_EQ(zeroVendor->lookups(), 1u);
}

TEST(SimulatedHidBackendTest, ListsDevicesInAttachOrderAndForgetsDetachedOnes)
{
    SimulatedHidBackend backend;
    auto first = std::make_shared<SimulatedBootloaderDevice>(0x1A2B, 0x3C4D);
    auto other = std::make_shared<SimulatedBootloaderDevice>(0x1A2B, 0x9999);
    auto second = std::make_shared<SimulatedBootloaderDevice>(0x1A2B, 0x3C4D);
    backend.attach(first);
    backend.attach(other);
    backend.attach(second);

    auto handles = backend.devices(0x1A2B, 0x3C4D);
    ASSERT_EQ(handles.size(), 2u);
    ASSERT_EQ(handles[0]->open(), 0);
    EXPECT_TRUE(first->isOpen());
    EXPECT_FALSE(second->isOpen());
    handles[0]->close();

    backend.detach(first);
    EXPECT_EQ(handles[0]->open(), SimulatedBootloaderDevice::noDeviceCode);
    handles = backend.devices(0x1A2B, 0x3C4D);
    ASSERT_EQ(handles.size(), 1u);
    ASSERT_EQ(handles[0]->open(), 0);
    EXPECT_TRUE(second->isOpen());
    handles[0]->close();
    handles.clear();
    EXPECT_EQ(second->liveHandles(), 0);
}

TEST(HidInputReportCallbackTest, KeepsTheLatestCleanReport)
{
    HIDReadContext context;
    hidInputReportCallback(&context, HidInputReport{0, {0x01}});
    hidInputReportCallback(&context, HidInputReport{0, {0x02, 0x03}});
    EXPECT_EQ(context.response, (std::vector<uint8_t>{0x02, 0x03}));

    hidInputReportCallback(&context, HidInputReport{static_cast<int32_t>(0xE00002C5), {0x04}});
    EXPECT_EQ(context.response, (std::vector<uint8_t>{0x02, 0x03}));

    hidInputReportCallback(nullptr, HidInputReport{0, {0x05}});
}
