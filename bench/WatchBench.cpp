#include "ImageFile.h"
#include "MorvaneFlash.h"
#include "SimulatedBootloaderDevice.h"
#include "SimulatedHidBackend.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <memory>
#include <set>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

// 4 KiB: 64 paced reports, a little over three seconds per unit.
constexpr int imageSize = 4096;

QList<QJsonObject> logRecords(const QString &log)
{
    QList<QJsonObject> records;
    QFile file(log);
    if (file.open(QIODevice::ReadOnly)) {
        for (const QByteArray &line : file.readAll().split('\n')) {
            if (!line.isEmpty()) {
                records.append(QJsonDocument::fromJson(line).object());
            }
        }
    }
    return records;
}

struct LineRun
{
    // From each plug to the unit's first image report.
    std::vector<double> delaysMs;
    // From a unit's plug to its last report, for the slowest unit.
    double slowestUnitS = 0;
    bool recordsRight = false;
};

// `morvane-flash flash --watch --log` while `count` units are plugged in, evenly spread over
// `spread`; stopped once the log holds every unit.
LineRun watchLine(int count, Clock::duration spread, const QString &image, const QString &log)
{
    QFile::remove(log);
    SimulatedHidBackend hid;
    std::vector<std::shared_ptr<SimulatedBootloaderDevice>> units;
    std::vector<Clock::time_point> plugged;
    std::stop_source stop;
    std::jthread line([&] {
        const Clock::time_point start = Clock::now();
        for (int i = 0; i < count; ++i) {
            std::this_thread::sleep_until(start + spread * i / count);
            SimulatedBootloaderDevice::Behaviour behaviour;
            behaviour.serialNumber =
                QStringLiteral("U%1").arg(i, 4, 10, QLatin1Char('0')).toStdString();
            behaviour.usbPort = "1-" + std::to_string(i + 1);
            units.push_back(std::make_shared<SimulatedBootloaderDevice>(0x1209, 0x0001, behaviour));
            plugged.push_back(Clock::now());
            hid.attach(units.back());
        }
        while (logRecords(log).size() < count) {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        stop.request_stop();
    });
    QString out;
    QString err;
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    Environment environment{
        hid, outStream, errStream, QUrl(), QString(), QString(), false, stop.get_token(), [&hid] {
            return hid.hotplugMonitor();
        }};
    runMorvaneFlash({"morvane-flash", "flash", "--watch", "--quiet", "--log", log, "--file", image,
                     "--vid", "1209", "--pid", "0001"},
                    environment);
    line.join();

    LineRun run;
    for (std::size_t i = 0; i < units.size(); ++i) {
        const auto reports = units[i]->reports();
        const auto firstImage = std::find_if(reports.begin(), reports.end(),
                                             [](const auto &report) { return report.image; });
        if (firstImage == reports.end()) {
            return run;
        }
        run.delaysMs.push_back(
            std::chrono::duration<double, std::milli>(firstImage->arrival - plugged[i]).count());
        run.slowestUnitS =
            std::max(run.slowestUnitS,
                     std::chrono::duration<double>(reports.back().arrival - plugged[i]).count());
    }
    const QString digest =
        QCryptographicHash::hash(QByteArray(imageSize, '\x5A'), QCryptographicHash::Sha256).toHex();
    std::set<QString> serials;
    const QList<QJsonObject> records = logRecords(log);
    run.recordsRight = records.size() == count;
    for (const QJsonObject &record : records) {
        serials.insert(record["serial"].toString());
        run.recordsRight = run.recordsRight && record["sha256"] == digest &&
                           record["status"] == QStringLiteral("completed");
    }
    run.recordsRight = run.recordsRight && serials.size() == std::size_t(count);
    return run;
}

double percentile(std::vector<double> values, double fraction)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[std::size_t(fraction * double(values.size() - 1))];
}

// Sixteen units plugged in within one second: each is flashed as it arrives (target: median
// plug-to-first-report under 100 ms, worst under 250 ms), and the slowest unit takes at most
// 1.05 times as long as a lone unit does.
void BM_WatchSixteenUnitsWithinASecond(benchmark::State &state)
{
    QTemporaryDir folder;
    const QString image = QDir(folder.path()).filePath("image.bin");
    const QString log = QDir(folder.path()).filePath("bench.log");
    if (!writeImageFile(image, imageSize)) {
        state.SkipWithError("cannot write the image");
        return;
    }

    std::vector<double> delays;
    double worstRatio = 0;
    for (auto _ : state) {
        const LineRun one = watchLine(1, Clock::duration::zero(), image, log);
        const LineRun sixteen = watchLine(16, std::chrono::seconds(1), image, log);
        if (!one.recordsRight || !sixteen.recordsRight) {
            state.SkipWithError("the log lacks a unit, repeats a serial or names a wrong digest");
            return;
        }
        delays.insert(delays.end(), sixteen.delaysMs.begin(), sixteen.delaysMs.end());
        worstRatio = std::max(worstRatio, sixteen.slowestUnitS / one.slowestUnitS);
    }
    state.counters["median_delay_ms"] = percentile(delays, 0.5);
    state.counters["worst_delay_ms"] = percentile(delays, 1.0);
    state.counters["worst_unit_ratio"] = worstRatio;
}

} // namespace

BENCHMARK(BM_WatchSixteenUnitsWithinASecond)
    ->Iterations(3)
    ->Unit(benchmark::kSecond)
    ->UseRealTime();
