#include "DemoProgram.h"
#include "DevicePlan.h"
#include "PlannedDevices.h"
#include "SimulatedHidBackend.h"
#include "TestFiles.h"
#include "frame/ExitStatus.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>
#include <cerrno>
#include <csignal>
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
        {"1:1@1-2+3", {{1, 1, 1, milliseconds(1000), milliseconds(2000), {}, milliseconds(3000)}}},
        {"1:1@1-2+2", {}, "come back after"},
        {"1:1@1+2", {}, "\"1+2\""},
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

// The bench as a process meets it: a stop signal mid-transfer, a kill between units, and a
// log that only ever grows.
TEST(MorvaneFlashDemo, WatchStopsAtAReportBoundaryAndItsLogSurvivesAKill)
{
    QTemporaryDir home;
    const QProcessEnvironment environment = demoEnvironment(home);
    const QString log = QDir(home.path()).filePath("bench.log");
    // 16 KiB, over twelve seconds a unit: long enough for all that happens while it runs.
    const QByteArray image(16384, '\x5A');
    const QString imageFile = QDir(home.path()).filePath("image.bin");
    putFile(imageFile, image);
    const QStringList byFile = {
        "--file", imageFile, "--vid",    "1209",
        "--pid",  "0001",    "--sha256", QString::fromStdString(sha256Hex(image))};
    const auto logLines = [&log] {
        QFile file(log);
        return file.open(QIODevice::ReadOnly) ? file.readAll().split('\n') : QByteArrayList{};
    };
    QProcess demo;
    demo.setProcessEnvironment(environment);
    const auto watch = [&](const QString &plan, const QStringList &image) {
        demo.start(MORVANE_FLASH_DEMO_PROGRAM, QStringList{"--demo-devices", plan, "flash"} +
                                                   image +
                                                   QStringList{"--watch", "--json", "--log", log});
        EXPECT_TRUE(demo.waitForStarted(30'000));
    };

    // SIGTERM twice once both units are a tenth through: the first drains, the second stops
    // each at a report boundary, and the summary still comes.
    watch("1209:1*2", byFile);
    QByteArray out;
    while (out.count("\"percent\":10,") < 2 && demo.waitForReadyRead(60'000)) {
        out += demo.readAllStandardOutput();
    }
    ::kill(pid_t(demo.processId()), SIGTERM);
    QThread::msleep(200);
    ::kill(pid_t(demo.processId()), SIGTERM);
    ASSERT_TRUE(demo.waitForFinished(60'000));
    EXPECT_EQ(demo.exitCode(), 128 + SIGTERM);
    out += demo.readAllStandardOutput();
    // With no system bus nothing keeps the machine awake: said once, and both units went on.
    EXPECT_EQ(demo.readAllStandardError().count("nothing keeps this machine from sleeping"), 1);
    EXPECT_TRUE(out.contains("\"event\":\"summary\",\"failed\":0,\"flashed\":0,")) << out.data();
    EXPECT_TRUE(out.contains(",\"stopped\":2,\"time\":\"")) << out.data();
    EXPECT_EQ(logLines().size(), 3); // two lines and the empty rest after the last line end

    // SIGKILL between units: the unit before is on disk, whole; nothing is ever rewritten.
    const QByteArrayList before = logLines();
    watch("1209:1,1209:1@600", {"MORVANE K7 Keyboard"});
    while (logLines().size() < 4) {
        QThread::msleep(10);
    }
    demo.kill();
    demo.waitForFinished(60'000);
    const QByteArrayList after = logLines();
    ASSERT_EQ(after.size(), 4);
    EXPECT_EQ(after.mid(0, 2), before.mid(0, 2));
    EXPECT_EQ(QJsonDocument::fromJson(after[2])["status"], "completed");
    EXPECT_EQ(QJsonDocument::fromJson(after[2])["serial"], "SIM0001");

    demo.start(MORVANE_FLASH_DEMO_PROGRAM, {"--demo-devices", "1209:1,12x9:1", "list"});
    ASSERT_TRUE(demo.waitForFinished(60'000));
    EXPECT_EQ(demo.exitCode(), exitUsage);
    EXPECT_EQ(demo.readAllStandardOutput(), "");
    EXPECT_TRUE(demo.readAllStandardError().contains("\"12x9:1\""));
}

// With no network at all, not even loopback, a bundle made beforehand is all there is: doctor
// and a flash from it succeed.
TEST(MorvaneFlashDemo, FlashesFromABundleWithoutAnyNetwork)
{
    QProcess probe;
    probe.start("unshare", {"-n", "true"});
    if (!probe.waitForFinished(30'000) || probe.exitCode() != 0) {
        GTEST_SKIP() << "unshare -n is not permitted here: "
                     << (probe.errorString() + probe.readAllStandardError()).toStdString();
    }
    QTemporaryDir home;
    const QProcessEnvironment environment = demoEnvironment(home);
    const QString bundle = QDir(home.path()).filePath("bundle");
    const auto demo = [&](QStringList arguments, bool offline) {
        QProcess process;
        process.setProcessEnvironment(environment);
        if (offline) {
            arguments =
                QStringList{"-n", MORVANE_FLASH_DEMO_PROGRAM, "--bundle", bundle} + arguments;
        }
        process.start(offline ? "unshare" : MORVANE_FLASH_DEMO_PROGRAM, arguments);
        EXPECT_TRUE(process.waitForFinished(120'000));
        return std::pair(process.exitCode(),
                         process.readAllStandardOutput() + process.readAllStandardError());
    };
    const auto [made, madeOutput] =
        demo({"bundle", "create", bundle, "MORVANE K7 Keyboard", "V1.3.1"}, false);
    ASSERT_EQ(made, exitSuccess) << madeOutput.data();

    // doctor judges the bundle's catalogue as list would, asking nothing of a network. (That a
    // changed bundle is refused is the bundle command's test's.)
    const QByteArray checks = demo({"doctor", "--json"}, true).second;
    EXPECT_TRUE(checks.contains(R"("finding":"the bundle in )")) << checks.data();
    EXPECT_TRUE(checks.contains(R"("id":"catalogue-signature","verdict":"ok")")) << checks.data();
    const auto [status, output] = demo({"flash", "K7 Keyboard"}, true);
    EXPECT_EQ(status, exitSuccess) << output.data();
    EXPECT_TRUE(output.contains("Update completed.")) << output.data();
}

// The command line speaks the user's language, Qt's descriptions included; what a script reads
// (--json) does not change with it, and with no translation for the language nothing changes.
TEST(MorvaneFlashDemo, SpeaksTheUsersLanguageButNotToScripts)
{
    const struct
    {
        const char *language;
        const char *completed;
        const char *refused;
    } rows[] = {
        {"de", "Update completed.", "读取固件列表失败：Connection refused"},
        {"en", "Update completed.", "Failed to read the firmware list: Connection refused"},
        {"zh_CN", "更新完成。", "读取固件列表失败：连接被拒绝"},
        {"zh_TW", "更新完成。", "讀取韌體列表失敗：連線被拒"},
    };
    QTemporaryDir home;
    for (const auto &row : rows) {
        SCOPED_TRACE(row.language);
        QProcessEnvironment environment = demoEnvironment(home);
        environment.insert("LANGUAGE", row.language);
        const auto demo = [&](const QStringList &arguments) {
            QProcess process;
            process.setProcessEnvironment(environment);
            process.start(MORVANE_FLASH_DEMO_PROGRAM, arguments);
            EXPECT_TRUE(process.waitForFinished(120'000));
            return QString::fromUtf8(process.readAllStandardOutput() +
                                     process.readAllStandardError());
        };
        const QString flashed = demo({"flash", "K7 Keyboard"});
        EXPECT_TRUE(flashed.contains(QString::fromUtf8(row.completed) + '\n'))
            << flashed.toStdString();
        const QString refused = demo({"--catalogue", "http://127.0.0.1:1/list.txt", "list"});
        EXPECT_TRUE(refused.startsWith(QString::fromUtf8(row.refused))) << refused.toStdString();
        const QString json = demo({"flash", "--json", "K7 Keyboard"});
        EXPECT_TRUE(json.contains(R"("line":"Update completed.","path":)")) << json.toStdString();
        EXPECT_FALSE(json.contains(QRegularExpression(R"(\p{Han})"))) << json.toStdString();
    }
}
