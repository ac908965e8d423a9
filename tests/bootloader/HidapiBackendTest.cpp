#include "bootloader/HidapiBackend.h"

#include "FakeHidapi.h"
#include "bootloader/HIDBootloader.h"
#include "bootloader/OpenFailureHelp.h"

#include <cerrno>
#include <gtest/gtest.h>
#include <numeric>
#include <thread>

using Behaviour = SimulatedBootloaderDevice::Behaviour;

namespace {

std::shared_ptr<SimulatedBootloaderDevice> attach(const std::string &path, uint16_t vendorID,
                                                  uint16_t productID, Behaviour behaviour = {})
{
    auto device = std::make_shared<SimulatedBootloaderDevice>(vendorID, productID, behaviour);
    FakeHidapi::attach(path, device);
    return device;
}

// What every transfer through hidapi must look like, whatever its outcome.
void expectWellFormedCalls()
{
    for (const FakeHidapi::Call &call : FakeHidapi::calls()) {
        if (call.function == "hid_write") {
            ASSERT_EQ(call.bytes.size(), 65u);
            EXPECT_EQ(call.bytes.front(), 0x00);
        } else if (call.function == "hid_read_timeout") {
            EXPECT_GE(call.milliseconds, 0);
            EXPECT_LE(call.milliseconds, HIDBootloader::runLoopSlice.count());
        }
    }
    EXPECT_EQ(FakeHidapi::openHandles(), 0);
    EXPECT_EQ(FakeHidapi::liveEnumerations(), 0);
}

} // namespace

TEST(HidapiBackendTest, AWholeFlashGoesThroughHidapi)
{
    FakeHidapi::reset();
    const auto device = attach("/dev/hidraw3", 0x1A2B, 0x3C4D);
    std::vector<uint8_t> image(1025);
    std::iota(image.begin(), image.end(), uint8_t{1});
    std::vector<int> progress;
    {
        HidapiBackend hid;
        HIDBootloader(hid).flash(image, "1A2B", "3C4D", [&](int p) { progress.push_back(p); });
    }
    // Zeros up to whole pages, paced as the device measured it, one progress step per report.
    image.resize(2048, 0x00);
    EXPECT_EQ(device->receivedImage(), image);
    EXPECT_EQ(device->reportsUnderPace(), 0u);
    EXPECT_EQ(FakeHidapi::count("hid_write"), 33u);
    const std::vector<int> expected{0,  3,  6,  9,  12, 15, 18, 21, 25, 28, 31,
                                    34, 37, 40, 43, 46, 50, 53, 56, 59, 62, 65,
                                    68, 71, 75, 78, 81, 84, 87, 90, 93, 96, 100};
    EXPECT_EQ(progress, expected);
    expectWellFormedCalls();
}

TEST(HidapiBackendTest, FailuresCarryErrnoAndCloseTheDevice)
{
    using Error = BootloaderError;
    Behaviour gone;
    gone.vanishAfterReports = 5;
    const struct
    {
        const char *name;
        FakeHidapi::Faults faults;
        Behaviour behaviour;
        std::optional<Error> error;
        // A hint line follows the error: the udev rule, or that the device left the bus.
        bool help = false;
    } cases[] = {
        {"access denied", {.openErrno = EACCES}, {}, Error::openFailed(EACCES), true},
        {"not permitted", {.openErrno = EPERM}, {}, Error::openFailed(EPERM), true},
        {"busy", {.openErrno = EBUSY}, {}, Error::openFailed(EBUSY)},
        {"short write", {.writeResult = 10}, {}, Error::writeFailed(-1)},
        // Some platforms do not count the report ID byte.
        {"payload written", {.writeResult = 64}, {}, std::nullopt},
        {"failing write", {.writeResult = -1, .writeErrno = EIO}, {}, Error::writeFailed(EIO)},
        {"unplugged",
         {.writeResult = -1, .writeErrno = EPIPE},
         {},
         Error::writeFailed(EPIPE),
         true},
        // A failing read is waited out slice by slice; spinning would read millions of times.
        {"failing read", {.readErrno = EIO}, {}, Error::readTimedOut()},
        {"gone mid-image", {}, gone, Error::writeFailed(ENODEV), true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        FakeHidapi::reset();
        attach("/dev/hidraw0", 0x1A2B, 0x3C4D, c.behaviour);
        FakeHidapi::setFaults(c.faults);
        HidapiBackend hid;
        std::optional<Error> error;
        try {
            HIDBootloader(hid).flash(std::vector<uint8_t>(1024, 0x55), "1A2B", "3C4D", {});
        } catch (const BootloaderError &thrown) {
            error = thrown;
        }
        EXPECT_EQ(error ? error->errorDescription() : "",
                  c.error ? c.error->errorDescription() : "");
        EXPECT_EQ(error && (openFailureHelp(*error) || leftTheBus(*error)), c.help);
        EXPECT_LT(FakeHidapi::count("hid_read_timeout"), 400u);
        expectWellFormedCalls();
    }
}

TEST(HidapiBackendTest, EnumerationMatchesExactIdentifiersAndInitIsShared)
{
    FakeHidapi::reset();
    attach("/dev/hidraw0", 0x1A2B, 0x3C4D);
    attach("/dev/hidraw1", 0x0000, 0x3C4D);
    attach("/dev/hidraw2", 0x1A2B, 0xFFFF);
    auto first = std::make_unique<HidapiBackend>();
    auto second = std::make_unique<HidapiBackend>();
    // hid_init makes later opens exclusive on macOS; shared opens are asked for right after.
    std::vector<std::string> initialisation;
    for (const FakeHidapi::Call &call : FakeHidapi::calls()) {
        initialisation.push_back(
            call.function +
            (call.openExclusive >= 0 ? '(' + std::to_string(call.openExclusive) + ')' : ""));
    }
#if defined(__APPLE__)
    EXPECT_EQ(initialisation,
              (std::vector<std::string>{"hid_init", "hid_darwin_set_open_exclusive(0)"}));
#else
    EXPECT_EQ(initialisation, std::vector<std::string>{"hid_init"});
#endif
    // Dropping one backend must leave hidapi initialised for the other.
    first.reset();
    EXPECT_EQ(FakeHidapi::count("hid_init"), 1u);
    EXPECT_EQ(FakeHidapi::count("hid_exit"), 0u);

    const auto paths = [&](int64_t vendorID, int64_t productID) {
        std::vector<std::string> found;
        for (const auto &device : second->devices(vendorID, productID)) {
            EXPECT_EQ(device->open(), 0);
            found.push_back(FakeHidapi::calls().back().path);
        }
        return found;
    };
    // hidapi reads 0 as "any"; here it is the identifier 0 and nothing else.
    EXPECT_EQ(paths(0, 0x3C4D), std::vector<std::string>{"/dev/hidraw1"});
    EXPECT_EQ(paths(0x1A2B, 0x3C4D), std::vector<std::string>{"/dev/hidraw0"});
    EXPECT_TRUE(paths(0, 0).empty());
    const std::size_t enumerations = FakeHidapi::count("hid_enumerate");
    // Truncated to 16 bits these would name attached devices; they never reach hidapi.
    for (const auto &[vendorID, productID] : std::initializer_list<std::pair<int64_t, int64_t>>{
             {0x11A2B, 0x3C4D}, {0x1A2B, 0x13C4D}, {-1, 0x3C4D}, {0x1A2B, -1}}) {
        EXPECT_TRUE(second->devices(vendorID, productID).empty()) << vendorID << ' ' << productID;
    }
    EXPECT_EQ(FakeHidapi::count("hid_enumerate"), enumerations);
    EXPECT_EQ(FakeHidapi::count("hid_free_enumeration"), enumerations);
    expectWellFormedCalls();
    second.reset();
    EXPECT_EQ(FakeHidapi::count("hid_init"), 1u);
    EXPECT_EQ(FakeHidapi::count("hid_exit"), 1u);
}

// hidapi leaves its global state unguarded; transfers to several devices at once open them
// from several threads.
TEST(HidapiBackendTest, OpeningAndEnumeratingFromManyThreadsNeverOverlap)
{
    FakeHidapi::reset();
    for (const char *path : {"/dev/hidraw0", "/dev/hidraw1", "/dev/hidraw2"}) {
        attach(path, 0x1A2B, 0x3C4D);
    }
    HidapiBackend hid;
    std::vector<std::jthread> threads;
    for (int thread = 0; thread < 3; ++thread) {
        threads.emplace_back([&hid] {
            for (int round = 0; round < 5; ++round) {
                for (const auto &device : hid.devices(0x1A2B, 0x3C4D)) {
                    EXPECT_EQ(device->open(), 0);
                }
            }
        });
    }
    threads.clear();
    EXPECT_EQ(FakeHidapi::overlappingGlobalCalls(), 0u);
    expectWellFormedCalls();
}
