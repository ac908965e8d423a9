#include "SimulatedBootloaderDevice.h"
#include "SimulatedHidBackend.h"
#include "bootloader/HIDBootloader.h"
#include "bootloader/TransferStopped.h"

#include <gtest/gtest.h>
#include <numeric>
#include <string>
#include <thread>

using namespace std::chrono_literals;
using Behaviour = SimulatedBootloaderDevice::Behaviour;

namespace {

const std::vector<uint8_t> zeros(64, 0x00);

std::vector<uint8_t> countingBytes(std::size_t length)
{
    std::vector<uint8_t> bytes(length);
    std::iota(bytes.begin(), bytes.end(), uint8_t{1});
    return bytes;
}

// One simulated device on its own bus, with a client for it.
struct SimulatedFlash
{
    explicit SimulatedFlash(Behaviour behaviour = {})
        : device(std::make_shared<SimulatedBootloaderDevice>(0x1A2B, 0x3C4D, std::move(behaviour)))
    {
        backend.attach(device);
    }

    // The message of the error the flash ended with; empty on success.
    std::string flash(const std::vector<uint8_t> &image, const char *vid = "1A2B",
                      const char *pid = "3C4D")
    {
        try {
            bootloader.flash(image, vid, pid, [this](int percent) { progress.push_back(percent); });
        } catch (const BootloaderError &error) {
            return error.errorDescription();
        }
        return {};
    }

    // Opened once at most, closed as often, no handle left behind.
    void expectClosed() const
    {
        EXPECT_LE(device->opens(), 1u);
        EXPECT_EQ(device->closes(), device->opens());
        EXPECT_FALSE(device->isOpen());
        EXPECT_EQ(device->liveHandles(), 0);
    }

    SimulatedHidBackend backend;
    std::shared_ptr<SimulatedBootloaderDevice> device;
    HIDBootloader bootloader{backend};
    std::vector<int> progress;
};

} // namespace

TEST(FlashTest, EmptyImageDoesTheHandshakeOnly)
{
    // A late answer with its own tail, after a report queued before the request.
    Behaviour behaviour = behaviourWith(&Behaviour::answerDelay, 300ms);
    behaviour.staleReport = zeros;
    behaviour.answerBytes = {{6, 0xEE}, {63, 0xEE}};
    SimulatedFlash sim(behaviour);
    EXPECT_EQ(sim.flash({}), "");
    EXPECT_EQ(sim.progress, std::vector<int>{0});
    std::vector<uint8_t> request{0x5A, 0xC3, 0x1E, 0x7B, 0x01, 0x01, 0x02, 0x00, 0x02};
    request.resize(64, 0x00);
    ASSERT_EQ(sim.device->reports().size(), 1u);
    EXPECT_EQ(sim.device->reports()[0].bytes, request);
    sim.expectClosed();
}

TEST(FlashTest, FailuresNameTheirCauseAndLeaveTheDeviceClosed)
{
    using Error = BootloaderError;
    struct Case
    {
        const char *name;
        Behaviour behaviour;
        Error error;
        const char *vid = "1A2B";
        const char *pid = "3C4D";
    };
    // The device transfers' fault table (tests/update) holds the other handshake and transfer
    // failures.
    const Case cases[] = {
        {"later report in the slice wins", behaviourWith(&Behaviour::reportsAfterAnswer, {zeros}),
         Error::unexpectedHandshake({0, 0, 0, 0, 0, 0, 0, 0})},
        {"gone after request", behaviourWith(&Behaviour::vanishAfterReports, 1),
         Error::readTimedOut()},
        {"0x prefix", {}, Error::invalidUSBIdentifier(), "0x1A2B"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        SimulatedFlash sim(c.behaviour);
        EXPECT_EQ(sim.flash(countingBytes(1024), c.vid, c.pid), c.error.errorDescription());
        EXPECT_TRUE(sim.progress.empty());
        sim.expectClosed();
        // A time-out waits in slices; a spinning wait would read millions of times.
        EXPECT_LT(sim.device->readCalls(), 1000u);
        if (c.error.kind() == Error::Kind::invalidUSBIdentifier) {
            EXPECT_EQ(sim.backend.lookups(), 0u);
        }
    }
}

TEST(FlashTest, AStopEndsTheTransferAtAReportBoundaryAndClosesTheDevice)
{
    // Asked between two reports: the next one is never sent.
    SimulatedFlash sim;
    std::stop_source stop;
    const auto progress = [&](int percent) {
        sim.progress.push_back(percent);
        if (percent >= 12) {
            stop.request_stop();
        }
    };
    EXPECT_THROW(
        sim.bootloader.flash(countingBytes(1024), "1A2B", "3C4D", progress, stop.get_token()),
        TransferStopped);
    EXPECT_EQ(sim.progress, (std::vector<int>{0, 6, 12}));
    EXPECT_EQ(sim.device->imageReportCount(), 2u);
    sim.expectClosed();

    // Asked while waiting for an answer that never comes: no time-out, no image.
    SimulatedFlash silent(behaviourWith(&Behaviour::answers, false));
    std::stop_source waiting;
    std::jthread stopper([&] {
        std::this_thread::sleep_for(100ms);
        waiting.request_stop();
    });
    EXPECT_THROW(
        silent.bootloader.flash(countingBytes(64), "1A2B", "3C4D", {}, waiting.get_token()),
        TransferStopped);
    EXPECT_EQ(silent.device->reports().size(), 1u);
    silent.expectClosed();
}
