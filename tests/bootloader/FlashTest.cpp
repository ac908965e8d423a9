#include "SimulatedFlash.h"

#include <algorithm>
#include <numeric>

using Behaviour = SimulatedBootloaderDevice::Behaviour;

namespace {

constexpr int32_t ioReturnError = static_cast<int32_t>(0xE00002BC);

std::vector<uint8_t> countingBytes(std::size_t length)
{
    std::vector<uint8_t> bytes(length);
    std::iota(bytes.begin(), bytes.end(), uint8_t{1});
    return bytes;
}

std::vector<std::vector<uint8_t>> imageReports(const SimulatedBootloaderDevice &device)
{
    std::vector<std::vector<uint8_t>> images;
    for (const auto &report : device.reports()) {
        if (report.image) {
            images.push_back(report.bytes);
        }
    }
    return images;
}

} // namespace

TEST(WriteReportTest, PadsOrCutsToSixtyFourBytes)
{
    SimulatedFlash sim;
    auto handles = sim.backend.devices(SimulatedFlash::vendorID, SimulatedFlash::productID);
    ASSERT_EQ(handles.size(), 1u);
    HidDevice &device = *handles[0];
    ASSERT_EQ(device.open(), 0);

    const std::vector<uint8_t> nine = countingBytes(9);
    const std::vector<uint8_t> exact = countingBytes(64);
    const std::vector<uint8_t> seventy = countingBytes(70);
    HIDBootloader::writeReport(nine, device);
    HIDBootloader::writeReport(exact, device);
    HIDBootloader::writeReport(seventy, device);
    HIDBootloader::writeReport({}, device);
    device.close();

    const auto reports = sim.device->reports();
    ASSERT_EQ(reports.size(), 4u);
    std::vector<uint8_t> nineFilled = nine;
    nineFilled.resize(64, 0x00);
    EXPECT_EQ(reports[0].bytes, nineFilled);
    EXPECT_EQ(reports[1].bytes, exact);
    EXPECT_EQ(reports[2].bytes, std::vector<uint8_t>(seventy.begin(), seventy.begin() + 64));
    EXPECT_EQ(reports[3].bytes, std::vector<uint8_t>(64, 0x00));
}

TEST(WriteReportTest, FailedSendRaisesWriteFailedWithTheCode)
{
    Behaviour behaviour;
    behaviour.writeFailure = SimulatedBootloaderDevice::WriteFailure{1, ioReturnError};
    SimulatedFlash sim(behaviour);
    auto handles = sim.backend.devices(SimulatedFlash::vendorID, SimulatedFlash::productID);
    ASSERT_EQ(handles[0]->open(), 0);
    try {
        HIDBootloader::writeReport({}, *handles[0]);
        FAIL() << "no error";
    } catch (const BootloaderError &error) {
        EXPECT_EQ(error, BootloaderError::writeFailed(ioReturnError));
    }
    handles[0]->close();
}

TEST(FlashTest, OnePageArrivesWholePacedWithEveryProgressStep)
{
    SimulatedFlash sim;
    const std::vector<uint8_t> image = countingBytes(1024);
    const auto outcome = sim.flash(image);
    ASSERT_FALSE(outcome.error) << outcome.error->what();
    EXPECT_EQ(outcome.progress, (std::vector<int>{0, 6, 12, 18, 25, 31, 37, 43, 50, 56, 62, 68, 75,
                                                  81, 87, 93, 100}));
    EXPECT_EQ(sim.device->receivedImage(), image);
    EXPECT_EQ(sim.device->imageReportCount(), 16u);
    EXPECT_EQ(sim.device->reportsUnderPace(), 0u);
    expectClosedAfterOneSession(*sim.device);
}

TEST(FlashTest, ImageJustOverAPageIsPaddedWithZeros)
{
    SimulatedFlash sim;
    const std::vector<uint8_t> image = countingBytes(1025);
    const auto outcome = sim.flash(image);
    ASSERT_FALSE(outcome.error) << outcome.error->what();

    const auto reports = imageReports(*sim.device);
    ASSERT_EQ(reports.size(), 32u);
    for (std::size_t i = 0; i < 16; ++i) {
        EXPECT_EQ(reports[i],
                  std::vector<uint8_t>(image.begin() + i * 64, image.begin() + (i + 1) * 64));
    }
    std::vector<uint8_t> seventeenth(64, 0x00);
    seventeenth[0] = image[1024];
    EXPECT_EQ(reports[16], seventeenth);
    for (std::size_t i = 17; i < 32; ++i) {
        EXPECT_EQ(reports[i], std::vector<uint8_t>(64, 0x00)) << i;
    }
    EXPECT_EQ(outcome.progress.size(), 33u);
    EXPECT_EQ(outcome.progress.back(), 100);
    EXPECT_EQ(sim.device->reportsUnderPace(), 0u);
}

TEST(FlashTest, ProgressRepeatsReachTheCallerForMoreThanHundredReports)
{
    SimulatedFlash sim;
    const std::vector<uint8_t> image = countingBytes(7 * 1024);
    const auto outcome = sim.flash(image);
    ASSERT_FALSE(outcome.error) << outcome.error->what();

    std::vector<int> expected{0};
    for (std::size_t end = 64; end <= image.size(); end += 64) {
        expected.push_back(static_cast<int>(end * 100 / image.size()));
    }
    EXPECT_EQ(outcome.progress, expected);
    EXPECT_NE(std::adjacent_find(outcome.progress.begin() + 1, outcome.progress.end()),
              outcome.progress.end());
    EXPECT_EQ(sim.device->receivedImage(), image);
}

TEST(FlashTest, EmptyImageDoesTheHandshakeOnly)
{
    SimulatedFlash sim;
    const auto outcome = sim.flash({});
    EXPECT_FALSE(outcome.error);
    EXPECT_EQ(outcome.progress, std::vector<int>{0});
    EXPECT_EQ(sim.device->handshakes(), 1u);
    EXPECT_EQ(sim.device->reports().size(), 1u);
    EXPECT_EQ(sim.device->imageReportCount(), 0u);
    expectClosedAfterOneSession(*sim.device);
}

TEST(FlashTest, FailedThirdReportStopsProgressAndCloses)
{
    Behaviour behaviour;
    // The handshake request is the first report the device gets.
    behaviour.writeFailure = SimulatedBootloaderDevice::WriteFailure{4, ioReturnError};
    SimulatedFlash sim(behaviour);
    const std::vector<uint8_t> image = countingBytes(1024);
    const auto outcome = sim.flash(image);
    ASSERT_TRUE(outcome.error);
    EXPECT_EQ(*outcome.error, BootloaderError::writeFailed(ioReturnError));
    EXPECT_EQ(outcome.error->errorDescription(),
              "Unable to write HID report. IOKit code: -536870212.");
    EXPECT_EQ(outcome.progress, (std::vector<int>{0, 6, 12}));
    EXPECT_EQ(sim.device->receivedImage(),
              std::vector<uint8_t>(image.begin(), image.begin() + 128));
    expectClosedAfterOneSession(*sim.device);
}

TEST(FlashTest, DeviceVanishingMidTransferFailsTheWrite)
{
    Behaviour behaviour;
    behaviour.vanishAfterReports = 3;
    SimulatedFlash sim(behaviour);
    const auto outcome = sim.flash(countingBytes(1024));
    ASSERT_TRUE(outcome.error);
    EXPECT_EQ(*outcome.error,
              BootloaderError::writeFailed(SimulatedBootloaderDevice::noDeviceCode));
    EXPECT_EQ(outcome.progress, (std::vector<int>{0, 6, 12}));
    expectClosedAfterOneSession(*sim.device);
}

TEST(FlashTest, OpenFailureReleasesTheHandleWithoutClosing)
{
    Behaviour behaviour;
    behaviour.openFailure = static_cast<int32_t>(0xE00002C5);
    SimulatedFlash sim(behaviour);
    const auto outcome = sim.flash(countingBytes(10));
    ASSERT_TRUE(outcome.error);
    EXPECT_EQ(outcome.error->errorDescription(),
              "Unable to open HID device. IOKit code: -536870203.");
    EXPECT_EQ(sim.device->opens(), 0u);
    EXPECT_EQ(sim.device->closes(), 0u);
    EXPECT_EQ(sim.device->liveHandles(), 0);
    EXPECT_TRUE(sim.device->reports().empty());
    EXPECT_TRUE(outcome.progress.empty());
}

TEST(FlashTest, InvalidIdentifiersFailBeforeAnyLookup)
{
    SimulatedFlash sim;
    const std::pair<const char *, const char *> cases[] = {
        {"0x1A2B", "3C4D"}, {" 1A2B", "3C4D"}, {"1A2B ", "3C4D"}, {"", "3C4D"},
        {"1A2B", "3C4G"},   {"1A2B", ""},      {"+", "-"},        {"8000000000000000", "3C4D"},
    };
    for (const auto &[vid, pid] : cases) {
        const auto outcome = sim.flash({}, vid, pid);
        ASSERT_TRUE(outcome.error) << vid << ' ' << pid;
        EXPECT_EQ(*outcome.error, BootloaderError::invalidUSBIdentifier()) << vid << ' ' << pid;
    }
    EXPECT_EQ(sim.backend.lookups(), 0u);
    EXPECT_EQ(sim.device->opens(), 0u);
}

TEST(FlashTest, UnmatchedIdentifiersFindNoDevice)
{
    SimulatedFlash sim;
    const std::pair<const char *, const char *> cases[] = {
        {"-1", "3C4D"}, {"11A2B", "3C4D"}, {"1A2B", "0"}, {"0", "0"}, {"1A2B", "3C4E"},
    };
    for (const auto &[vid, pid] : cases) {
        const auto outcome = sim.flash({}, vid, pid);
        ASSERT_TRUE(outcome.error) << vid << ' ' << pid;
        EXPECT_EQ(*outcome.error, BootloaderError::deviceNotFound()) << vid << ' ' << pid;
    }
    EXPECT_EQ(sim.device->lookups(), 0u);
    EXPECT_EQ(sim.device->opens(), 0u);
}

TEST(FlashTest, IdentifiersAreReadCaseInsensitivelyWithOptionalPlus)
{
    SimulatedFlash sim;
    EXPECT_FALSE(sim.flash({}, "+1a2B", "3c4D").error);
    EXPECT_EQ(sim.device->handshakes(), 1u);
}

TEST(FlashTest, OfTwoMatchingDevicesOneIsUsed)
{
    SimulatedFlash sim;
    auto twin = std::make_shared<SimulatedBootloaderDevice>(SimulatedFlash::vendorID,
                                                            SimulatedFlash::productID);
    sim.backend.attach(twin);
    const auto outcome = sim.flash({});
    EXPECT_FALSE(outcome.error);
    EXPECT_EQ(sim.device->handshakes() + twin->handshakes(), 1u);
    EXPECT_EQ(sim.device->opens() + twin->opens(), 1u);
    EXPECT_FALSE(sim.device->isOpen());
    EXPECT_FALSE(twin->isOpen());
    EXPECT_EQ(twin->liveHandles(), 0);
}

TEST(FlashTest, ThrowingProgressCallbackStillClosesTheDevice)
{
    SimulatedFlash sim;
    const std::vector<uint8_t> image = countingBytes(64);
    EXPECT_THROW(sim.bootloader.flash(image, "1A2B", "3C4D",
                                      [](int percent) {
                                          if (percent > 0) {
                                              throw std::runtime_error("stop");
                                          }
                                      }),
                 std::runtime_error);
    EXPECT_EQ(sim.device->imageReportCount(), 1u);
    expectClosedAfterOneSession(*sim.device);
}
