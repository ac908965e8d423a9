#include "station/FlashWatch.h"

#include "CommandLineFixture.h"
#include "bootloader/HIDBootloader.h"
#include "frame/ExitStatus.h"
#include "station/FlashedUnits.h"
#include "station/MetricsClaim.h"
#include "station/WatchDisplay.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <cerrno>
#include <chrono>
#include <gtest/gtest.h>
#include <map>
#include <thread>
#include <vector>

// flash --watch on a bench of units plugged in one after the other.
class FlashWatch : public CommandLineFixture
{
protected:
    // The log's records once it holds `count`: written by the command's thread, read here.
    std::vector<QJsonObject> awaitLog(const QString &log, std::size_t count)
    {
        for (;;) {
            QFile file(log);
            std::vector<QJsonObject> records;
            if (file.open(QIODevice::ReadOnly)) {
                for (const QByteArray &line : file.readAll().split('\n')) {
                    if (!line.isEmpty()) {
                        records.push_back(QJsonDocument::fromJson(line).object());
                    }
                }
            }
            if (records.size() >= count) {
                return records;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    }
};

// A station's settings, as the watch takes them: a drain that lets its unit finish or stops
// it at its limit, and the ports of another station left alone.
TEST_F(FlashWatch, DrainsOnTheFirstStopAndTakesOnlyItsOwnPorts)
{
    const struct
    {
        int imageBytes;
        QStringList options;
        int status;
        const char *line;
    } cases[] = {
        {2048, {"--port", "1-*"}, exitSuccess, "1-1): Update completed."},
        // Some twelve seconds of image, cut at the drain's limit.
        {16384,
         {"--port", "1-?", "--port", "3-1", "--drain-timeout", "1"},
         exitInterrupted,
         "1-1): Update stopped."},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.imageBytes);
        std::stop_source stop;
        std::vector<std::shared_ptr<SimulatedBootloaderDevice>> units;
        std::jthread bench([&] {
            units = {attachUnit("D1", "1-1"), attachUnit("O1", "2-1")};
            while (units.front()->reports().size() < 4) {
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
            }
            stop.request_stop();
        });
        const QString image = writeFile("image.bin", QByteArray(c.imageBytes, 'x'));
        EXPECT_EQ(
            run(QStringList{"flash", "--file", image, "--vid", "1a86", "--pid", "e0a1", "--watch"} +
                    c.options,
                false, stop.get_token()),
            c.status);
        bench.join();
        EXPECT_TRUE((m_out + m_err).contains(c.line)) << m_out.toStdString() << m_err.toStdString();
        EXPECT_EQ(units.back()->handshakes(), 0u);
        for (const auto &unit : units) {
            m_hid.detach(unit);
        }
    }
}

// Two stations never write one metrics file: the second is refused before anything is fetched.
TEST_F(FlashWatch, RefusesAMetricsFileAnotherStationHolds)
{
    const QString metrics = inTemp("bench.prom");
    MetricsClaim other;
    ASSERT_EQ(other.claim(metrics), std::nullopt);
    const QString image = writeFile("image.bin", QByteArray(256, 'x'));
    EXPECT_EQ(run({"flash", "--file", image, "--vid", "1a86", "--pid", "e0a1", "--watch",
                   "--metrics", metrics}),
              exitUsage);
    EXPECT_TRUE(m_err.contains(metrics + " is the metrics file of another running station"))
        << m_err.toStdString();
    EXPECT_FALSE(QFile::exists(metrics));
}

// The production line: every unit as it arrives, a faulty one failing alone, a unit back from
// its restart left alone, and the record of each attempt.
TEST_F(FlashWatch, FlashesEachUnitOnceAndRecordsEveryAttempt)
{
    const QString log = inTemp("bench.log");
    Behaviour vanishing;
    vanishing.vanishAfterReports = 5;
    Behaviour silent;
    silent.answers = false;
    Behaviour denied;
    denied.openFailure = EACCES;
    std::stop_source stop;
    std::vector<std::shared_ptr<SimulatedBootloaderDevice>> skipped;
    std::shared_ptr<SimulatedBootloaderDevice> nextOnPort;
    std::jthread bench([&] {
        const auto restarted = attachUnit("S1", "1-1");
        const auto withoutSerial = attachUnit("", "2-1");
        attachUnit("F1", "1-2", vanishing);
        attachUnit("F2", "1-3", silent);
        attachUnit("F3", "1-4", denied);
        awaitLog(log, 5);
        // Both flashed units restart with the same ids; a new unit follows at the first port.
        m_hid.detach(restarted);
        m_hid.detach(withoutSerial);
        skipped.push_back(attachUnit("S1", "1-1"));
        skipped.push_back(attachUnit("", "2-1"));
        nextOnPort = attachUnit("", "2-1");
        awaitLog(log, 8);
        stop.request_stop();
    });
    const QString image = writeFile("image.bin", QByteArray::fromStdString(imageBytes(4)));
    EXPECT_EQ(run({"flash", "--file", image, "--vid", "1a86", "--pid", "e0a1", "--watch", "--json",
                   "--log", log, "--settle", "600"},
                  false, stop.get_token()),
              exitTransfer);
    bench.join();

    for (const auto &device : skipped) {
        EXPECT_EQ(device->handshakes(), 0u);
    }
    EXPECT_EQ(nextOnPort->receivedImage(), padded(imageBytes(4)));
    const QString imageDigest = QString::fromStdString(sha256Hex(imageBytes(4)));
    QStringList attempts;
    for (const QJsonObject &record : awaitLog(log, 8)) {
        EXPECT_EQ(record["sha256"].toString(), imageDigest);
        EXPECT_EQ(record["size"], 256);
        EXPECT_EQ(record["model"], "1A86:E0A1");
        EXPECT_TRUE(record["time"].toString().endsWith('Z'));
        attempts.append(QStringLiteral("%1%2 %3 %4 %5%6")
                            .arg(record["serial"].toString(), record["usbPort"].toString(),
                                 record["status"].toString(), record["phase"].toString())
                            .arg(record["bytesSent"].toInt())
                            .arg(record.contains("hint") ? " hint" : ""));
    }
    attempts.sort();
    // The skipped units are in the record too, with why; each says how far it got.
    EXPECT_EQ(attempts,
              (QStringList{"2-1 completed transfer 1024", "2-1 completed transfer 1024",
                           "2-1 skipped none 0", "F11-2 transferFailed transfer 256 hint",
                           "F21-3 transferFailed opened 0", "F31-4 deviceFailed none 0 hint",
                           "S11-1 completed transfer 1024", "S11-1 skipped none 0"}));
    EXPECT_TRUE(QRegularExpression(R"("phase":"opened","seconds":[0-9.]+,"serial":"F2",)")
                    .match(m_out)
                    .hasMatch())
        << m_out.toStdString();
    EXPECT_EQ(m_out.count("\"event\":\"skipped\""), 2);
    EXPECT_EQ(m_out.count("\"event\":\"plugged\""), 8);
    // Every event says when it happened; progress says how long is left at the protocol's pace.
    QString previous;
    for (const QString &line : m_out.split('\n', Qt::SkipEmptyParts)) {
        const QJsonObject event = QJsonDocument::fromJson(line.toUtf8()).object();
        const QString time = event["time"].toString();
        EXPECT_TRUE(time.endsWith('Z') && time >= previous) << line.toStdString();
        previous = time;
        if (event["event"] == "finished") {
            EXPECT_EQ(event["model"], "1A86:E0A1");
            EXPECT_EQ(event["version"], "image.bin");
            EXPECT_TRUE(event["seconds"].isDouble());
        }
        if (event["event"] == "progress") {
            EXPECT_EQ(event["secondsLeft"].toDouble(),
                      HIDBootloader::secondsLeft(event["percent"].toInt(), 256));
        }
    }
}

// What the bench sees as it goes: on a terminal a block redrawn in place, through a pipe the
// same events as plain lines with the running count after each end, with --quiet neither; the
// end lines and the summary stay as scripts read them.
TEST_F(FlashWatch, ShowsUnitsLiveOnATerminalAsLinesThroughAPipeAndNothingQuietly)
{
    const struct
    {
        bool terminal;
        QStringList options;
        QStringList shown;
        QStringList notShown;
    } cases[] = {
        {false,
         {},
         {"(serial S1, port 1-1): plugged in; flashing 1A86:E0A1 image.bin.\n",
          "(serial F1, port 1-2): Update progress: 0%, 1.6 s left\n",
          "\n0 flashed, 1 failed, 0 skipped, 1 in progress; 0 flashed an hour\n",
          "1-1): Update completed.\n1 flashed, 1 failed, 0 skipped, 0 in progress; ",
          "again.\n1 flashed, 1 failed, 1 skipped, 0 in progress; "},
         {"\x1b"}},
        {true,
         {},
         {"\x1b[J/sim/", "(serial F1, port 1-2): plugged in; flashing 1A86:E0A1 image.bin.\n",
          "\r\x1b[2Kport 1-2, serial F1  [--------------------]   0%  1.6 s left  /sim/",
          // A failed unit stays in sight under the units in transfer.
          "\r\x1b[2Kport 1-2, serial F1  Update failed: Unable to write HID report.",
          "\r\x1b[2K0 flashed, 1 failed, 0 skipped, 1 in progress; 0 flashed an hour\n"},
         {"Update progress"}},
        {false, {"--quiet"}, {}, {"plugged in", "in progress", "\x1b"}},
    };
    const QString image = writeFile("image.bin", QByteArray(2048, 'x'));
    for (const auto &c : cases) {
        SCOPED_TRACE(c.terminal ? "terminal" : c.options.join(' ').toStdString());
        const QString log = inTemp("watch.log");
        QFile::remove(log);
        std::stop_source stop;
        std::stop_source stopInTransfer;
        std::vector<std::shared_ptr<SimulatedBootloaderDevice>> units;
        std::jthread bench([&] {
            units = {attachUnit("S1", "1-1"),
                     attachUnit("F1", "1-2", behaviourWith(&Behaviour::vanishAfterReports, 5))};
            awaitLog(log, 2);
            m_hid.detach(units[0]);
            units.push_back(attachUnit("S1", "1-1"));
            awaitLog(log, 3);
            units.push_back(attachUnit("L1", "1-3"));
            while (units.back()->reports().size() < 4) {
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
            }
            // The first stop drains, the second stops the unit at a report boundary.
            stop.request_stop();
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
            stopInTransfer.request_stop();
        });
        EXPECT_EQ(run(QStringList{"flash", "--file", image, "--vid", "1a86", "--pid", "e0a1",
                                  "--watch", "--log", log} +
                          c.options,
                      c.terminal, stop.get_token(), stopInTransfer.get_token()),
                  exitTransfer);
        bench.join();
        for (const auto &unit : units) {
            m_hid.detach(unit);
        }
        for (const QString &text :
             c.shown + QStringList{"1-1): Update completed.\n", "1-1): back after its update; not "
                                                                "flashed again.\n"}) {
            EXPECT_TRUE(m_out.contains(text)) << text.toStdString() << "\nin\n"
                                              << m_out.toStdString();
        }
        for (const QString &text : c.notShown) {
            EXPECT_FALSE(m_out.contains(text)) << text.toStdString();
        }
        EXPECT_TRUE(m_err.contains("1-2): Update failed: Unable to write HID report."));
        EXPECT_TRUE(
            m_err.contains("1-3): Update stopped. The transfer ended at a report boundary"));
        EXPECT_TRUE(m_err.contains("Stopping: no new unit is taken; the unit in transfer "
                                   "finishes first, about "));
        EXPECT_TRUE(QRegularExpression("Watch ended: 1 flashed, 1 failed, 1 skipped, 1 stopped, "
                                       "in [0-9.]+ s.\n$")
                        .match(m_out)
                        .hasMatch())
            << m_out.toStdString();
    }
}

// The block on a terminal fits it: never taller than its rows less the cursor's, never wider,
// the units in transfer first and the failed kept last.
TEST(WatchBlock, FitsTheTerminalKeepingTheOldestUnitsAndTheLastFailures)
{
    const auto numbered = [](const char *name, int count) {
        QStringList lines;
        for (int i = 1; i <= count; ++i) {
            lines.append(QStringLiteral("%1%2").arg(QLatin1String(name)).arg(i));
        }
        return lines;
    };
    const struct
    {
        int units;
        int failed;
        int failedEarlier;
        std::optional<TerminalSize> size;
        QStringList lines;
    } cases[] = {
        {2, 1, 0, std::nullopt, {"u1", "u2", "f1", "count"}},
        {32, 0, 0, TerminalSize{6, 100}, {"u1", "u2", "u3", "…and 29 more in transfer", "count"}},
        {32,
         10,
         3,
         TerminalSize{8, 100},
         {"u1", "u2", "…and 30 more in transfer", "…and 11 more failed", "f9", "f10", "count"}},
        {1, 2, 0, TerminalSize{8, 100}, {"u1", "f1", "f2", "count"}},
        {0, 0, 0, TerminalSize{1, 100}, {"count"}},
        {1, 0, 0, TerminalSize{3, 4}, {"u1", "cou…"}},
    };
    for (const auto &c : cases) {
        const QStringList lines = fittedBlock(
            {numbered("u", c.units), numbered("f", c.failed), c.failedEarlier, "count"}, c.size);
        EXPECT_EQ(lines, c.lines) << lines.join('|').toStdString();
    }
}

// Lines are cut in terminal columns (how they are measured is the console's test): a cut
// never splits a wide character.
TEST(WatchDisplay, CutsInTerminalColumns)
{
    const struct
    {
        const char *text;
        int cutTo;
        const char *cut;
    } cases[] = {
        {"port 1-2", 8, "port 1-2"}, {"读取固件列表失败", 7, "读取固…"},
        {"燒錄：裝置", 6, "燒錄…"},  {"한글 OK", 4, "한…"},
        {"ＡＢ｡", 5, "ＡＢ｡"},       {"e\u0301e\u0301x", 2, "e\u0301…"},
        {"\U00020000a", 2, "…"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(cutToWidth(QString::fromUtf8(c.text), c.cutTo), QString::fromUtf8(c.cut))
            << c.text;
    }
}

// "flashed an hour" counts the last 15 minutes, and no idle time before the first unit.
TEST(FlashRate, CountsTheLastFifteenMinutesFromTheFirstUnit)
{
    FlashRate rate;
    EXPECT_EQ(rate.perHour(60), 0);
    rate.arrived(3600);
    rate.flashed(3610);
    rate.flashed(3620);
    EXPECT_EQ(rate.perHour(3630), 240);
    for (int minute = 1; minute <= 30; ++minute) {
        rate.flashed(3620 + minute * 60);
    }
    EXPECT_EQ(rate.perHour(3620 + 30 * 60), 64);
}

// A station warns of the catalogue's expiry in its last week only.
TEST(ExpiryWarning, ComesInTheLastWeekBeforeTheCatalogueExpires)
{
    const qint64 now = 1'800'000'000;
    const qint64 day = 86400;
    EXPECT_EQ(expiryWarning(std::nullopt, now), std::nullopt);
    EXPECT_EQ(expiryWarning(now + 8 * day, now), std::nullopt);
    EXPECT_EQ(expiryWarning(now - 1, now), std::nullopt);
    EXPECT_TRUE(expiryWarning(now + 2 * day, now).value_or("").contains(", in 2.0 days: "));
}

TEST(FlashedUnits, AClaimBySerialOrPortLastsUntilItsUnitIsBackOrTheSettleTimeHasPassed)
{
    using namespace std::chrono_literals;
    const FlashedUnits::Clock::time_point start;
    const HidDeviceInfo serial{.serialNumber = "S1", .usbPort = "1-1"};
    const HidDeviceInfo port{.usbPort = "1-2"};
    const HidDeviceInfo neither;
    const struct
    {
        HidDeviceInfo flashed;
        std::vector<std::pair<HidDeviceInfo, std::chrono::seconds>> arrivals;
        std::vector<bool> returning;
    } cases[] = {
        // Back once: the next unit with the same serial is a new one.
        {serial, {{serial, 1s}, {serial, 2s}, {port, 1s}}, {true, false, false}},
        {serial, {{serial, 3600s}}, {false}},
        // Another unit at the same port is new, whatever its timing.
        {serial, {{HidDeviceInfo{.serialNumber = "S2", .usbPort = "1-1"}, 1s}}, {false}},
        {port, {{port, 5s}, {port, 6s}}, {true, false}},
        {port, {{port, 6s}}, {false}},
        {neither, {{neither, 1s}}, {false}},
    };
    for (const auto &c : cases) {
        FlashedUnits units(5000ms);
        units.completed(c.flashed, start);
        std::vector<bool> returning;
        for (const auto &[device, after] : c.arrivals) {
            returning.push_back(units.isReturning(device, start + after));
        }
        EXPECT_EQ(returning, c.returning) << c.flashed.serialNumber << c.flashed.usbPort;
    }
}
