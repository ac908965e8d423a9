#include "DevicePlan.h"
#include "ExitStatus.h"
#include "PlannedDevices.h"
#include "SimulatedHidBackend.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QTemporaryDir>
#include <cerrno>
#include <gtest/gtest.h>
#include <thread>

using std::chrono::milliseconds;

TEST(DevicePlan, ReadsPlansAndNamesWhatIsWrong)
{
    const struct
    {
        const char *plan;
        std::vector<PlannedDevice> entries;
        const char *errorNames = "";
    } rows[] = {
        {" ", {}},
        {" 1209:1 , aBcD:FFFF*3@0.5-2.25!vanish,1:2@86400!silent,1:2!denied",
         {{0x1209, 1},
          {0xABCD, 0xFFFF, 3, milliseconds(500), milliseconds(2250), DeviceFault::vanish},
          {1, 2, 1, milliseconds(86'400'000), {}, DeviceFault::silent},
          {1, 2, 1, {}, {}, DeviceFault::denied}}},
        {"1209:1,12x9:1", {}, "entry \"12x9:1\": the vendor id"},
        {"1209", {}, "VID:PID"},
        {"1:0", {}, "product id \"0\""},
        {"1:10000", {}, "product id"},
        {"1:1*0", {}, "count \"0\""},
        {"1:1*2,1:1*255", {}, "more than 256"},
        {"1:1@2-2", {}, "leave after"},
        {"1:1@1.2345", {}, "\"1.2345\""},
        {"1:1@-1", {}, "\"-1\""},
        {"1:1!vanish*2", {}, "fault \"vanish*2\""},
        {"1:1,", {}, "empty entry"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.plan);
        const DevicePlan plan = parseDevicePlan(row.plan);
        EXPECT_EQ(plan.entries, row.entries);
        EXPECT_NE(plan.error.find(row.errorNames), std::string::npos) << plan.error;
        EXPECT_EQ(plan.error.empty(), *row.errorNames == '\0');
    }
}

TEST(PlannedDevices, NumbersDevicesInPlanOrderAndKeepsTheirTimes)
{
    SimulatedHidBackend hid;
    auto planned = std::make_unique<PlannedDevices>(
        hid, parseDevicePlan("1209:1*2!denied,1209:2@0.01-0.02,1209:3@0-600,1209:4@600").entries);
    const auto devices = planned->devices();
    ASSERT_EQ(devices.size(), 5u);
    for (std::size_t i = 0; i < devices.size(); ++i) {
        EXPECT_EQ(devices[i]->serialNumber(), "SIM000" + std::to_string(i + 1));
        EXPECT_EQ(devices[i]->usbPort(), "1-" + std::to_string(i + 1));
    }
    EXPECT_EQ(devices[1]->newHandle()->open(), EACCES);
    EXPECT_TRUE(hid.isAttached(devices[3]));
    EXPECT_FALSE(hid.isAttached(devices[4]));
    // Unplugged only by the schedule, after plugging it in.
    for (int i = 0; i < 3000 && devices[2]->isPresent(); ++i) {
        std::this_thread::sleep_for(milliseconds(10));
    }
    EXPECT_FALSE(devices[2]->isPresent());
    // Destroyed with ten minutes of schedule to come, it does not wait for them.
    planned.reset();
    EXPECT_TRUE(hid.isAttached(devices[3]));
}

TEST(MorvaneFlashDemo, RunsTheCommandLineOnPlannedDevices)
{
    QTemporaryDir home;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("HOME", home.path());
    environment.insert("XDG_DATA_HOME", home.path());
    QProcess demo;
    demo.setProcessEnvironment(environment);
    const auto run = [&demo](const QStringList &arguments) {
        demo.start(MORVANE_FLASH_DEMO_PROGRAM, arguments);
        EXPECT_TRUE(demo.waitForFinished(60'000));
        return demo.exitCode();
    };

    // The catalogue is served and trusted: devices reads it for the ids to look for.
    EXPECT_EQ(run({"devices", "--json", "--demo-devices=1209:0001*2,1209:0001!denied"}),
              exitDevice);
    const QJsonArray devices = QJsonDocument::fromJson(demo.readAllStandardOutput()).array();
    ASSERT_EQ(devices.size(), 3);
    EXPECT_EQ(devices[1]["mayOpen"], true);
    EXPECT_EQ(devices[2]["mayOpen"], false);

    EXPECT_EQ(run({"--demo-devices", "1209:1!vanish", "flash", "MORVANE K7 Keyboard"}),
              exitTransfer);
    // Partway through the image, not at its start.
    EXPECT_TRUE(demo.readAllStandardOutput().contains("Update progress: 10%"));

    EXPECT_EQ(run({"--demo-devices", "1209:1,12x9:1", "list"}), exitUsage);
    EXPECT_EQ(demo.readAllStandardOutput(), "");
    EXPECT_TRUE(demo.readAllStandardError().contains("\"12x9:1\""));
}
