#include "SimulatedFlash.h"

#include <algorithm>

using namespace std::chrono_literals;
using Behaviour = SimulatedBootloaderDevice::Behaviour;

namespace {

// An answer that differs from the expected one in byte 5 only.
std::vector<uint8_t> wrongAnswer()
{
    std::vector<uint8_t> answer = SimulatedBootloaderDevice::standardAnswer();
    answer[5] = 0x02;
    return answer;
}

} // namespace

TEST(HandshakeTest, SendsTheRequestAndAcceptsAnyTail)
{
    Behaviour behaviour;
    for (std::size_t i = 6; i < 64; ++i) {
        behaviour.answerBytes.emplace_back(i, 0xEE);
    }
    SimulatedFlash sim(behaviour);
    const auto outcome = sim.flash({});
    EXPECT_FALSE(outcome.error);
    EXPECT_EQ(sim.device->handshakes(), 1u);

    const auto reports = sim.device->reports();
    ASSERT_EQ(reports.size(), 1u);
    std::vector<uint8_t> request(64, 0x00);
    const uint8_t head[] = {0x5A, 0xC3, 0x1E, 0x7B, 0x01, 0x01, 0x02, 0x00, 0x02};
    std::copy(std::begin(head), std::end(head), request.begin());
    EXPECT_EQ(reports[0].bytes, request);
}

TEST(HandshakeTest, AnswerWithinTheWindowSucceeds)
{
    Behaviour behaviour;
    behaviour.answerDelay = 300ms;
    SimulatedFlash sim(behaviour);
    EXPECT_FALSE(sim.flash({}).error);
    expectClosedAfterOneSession(*sim.device);
}

TEST(HandshakeTest, WrongByteFailsWithTheFirstEightBytes)
{
    Behaviour behaviour;
    behaviour.answerBytes = {{5, 0x02}, {6, 0xA0}, {7, 0x0B}, {8, 0xCC}};
    SimulatedFlash sim(behaviour);
    const auto outcome = sim.flash(std::vector<uint8_t>(10, 0x11));
    ASSERT_TRUE(outcome.error);
    EXPECT_EQ(*outcome.error, BootloaderError::unexpectedHandshake(
                                  {0x5A, 0xC3, 0x1E, 0x7B, 0x01, 0x02, 0xA0, 0x0B}));
    EXPECT_EQ(outcome.error->errorDescription(),
              "Unexpected bootloader response: 5A C3 1E 7B 01 02 A0 0B.");
    EXPECT_TRUE(outcome.progress.empty());
    EXPECT_EQ(sim.device->imageReportCount(), 0u);
    expectClosedAfterOneSession(*sim.device);
}

TEST(HandshakeTest, AnswerOfAnotherLengthFailsBeforeBytesAreCompared)
{
    for (const std::size_t length : {std::size_t{32}, std::size_t{65}, std::size_t{0}}) {
        Behaviour behaviour;
        behaviour.answerLength = length;
        behaviour.answerBytes = {{0, 0x00}};
        SimulatedFlash sim(behaviour);
        const auto outcome = sim.flash({});
        ASSERT_TRUE(outcome.error) << length;
        EXPECT_EQ(*outcome.error,
                  BootloaderError::unexpectedResponseLength(static_cast<int64_t>(length)));
        expectClosedAfterOneSession(*sim.device);
    }
}

TEST(HandshakeTest, ReportQueuedBeforeTheRequestIsNotTheAnswer)
{
    Behaviour behaviour;
    behaviour.staleReport = wrongAnswer();
    behaviour.answerDelay = 100ms;
    SimulatedFlash sim(behaviour);
    EXPECT_FALSE(sim.flash({}).error);
}

TEST(HandshakeTest, ReportStoredInTheContextBeforehandIsDropped)
{
    Behaviour behaviour;
    behaviour.answerDelay = 100ms;
    SimulatedFlash sim(behaviour);
    auto handles = sim.backend.devices(SimulatedFlash::vendorID, SimulatedFlash::productID);
    ASSERT_EQ(handles.size(), 1u);
    ASSERT_EQ(handles[0]->open(), 0);

    HIDReadContext context;
    context.response = wrongAnswer();
    EXPECT_NO_THROW(
        sim.bootloader.enterBootload(*handles[0], HIDBootloader::defaultVersionBytes, context));
    EXPECT_FALSE(context.response);
    handles[0]->close();
}

TEST(HandshakeTest, LaterOfTwoReportsInOneSliceWins)
{
    Behaviour behaviour;
    behaviour.reportsAfterAnswer = {wrongAnswer()};
    SimulatedFlash sim(behaviour);
    const auto outcome = sim.flash({});
    ASSERT_TRUE(outcome.error);
    EXPECT_EQ(outcome.error->kind(), BootloaderError::Kind::unexpectedHandshake);
}

TEST(HandshakeTest, ReportWithNonZeroResultIsIgnoredUntilTimeOut)
{
    Behaviour behaviour;
    behaviour.answerResult = static_cast<int32_t>(0xE00002C5);
    SimulatedFlash sim(behaviour);
    const auto outcome = sim.flash(std::vector<uint8_t>(10, 0x11));
    ASSERT_TRUE(outcome.error);
    EXPECT_EQ(*outcome.error, BootloaderError::readTimedOut());
    EXPECT_TRUE(outcome.progress.empty());
    EXPECT_EQ(sim.device->reports().size(), 1u);
    expectClosedAfterOneSession(*sim.device);
}

TEST(HandshakeTest, CorrectAnswerAfterTheWindowStillTimesOut)
{
    Behaviour behaviour;
    behaviour.answerDelay = 3300ms;
    SimulatedFlash sim(behaviour);
    const auto outcome = sim.flash({});
    ASSERT_TRUE(outcome.error);
    EXPECT_EQ(*outcome.error, BootloaderError::readTimedOut());
    expectClosedAfterOneSession(*sim.device);
}

TEST(HandshakeTest, DeviceGoneAfterTheRequestTimesOutWithoutSpinning)
{
    Behaviour behaviour;
    behaviour.vanishAfterReports = 1;
    SimulatedFlash sim(behaviour);
    const auto outcome = sim.flash({});
    ASSERT_TRUE(outcome.error);
    EXPECT_EQ(*outcome.error, BootloaderError::readTimedOut());
    // About 150 slices of 20 ms; a spinning wait would read millions of times.
    EXPECT_LT(sim.device->readCalls(), 1000u);
    expectClosedAfterOneSession(*sim.device);
    EXPECT_TRUE(sim.backend.devices(SimulatedFlash::vendorID, SimulatedFlash::productID).empty());
}
