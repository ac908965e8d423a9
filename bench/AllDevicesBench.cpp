#include "ImageFile.h"
#include "SimulatedBootloaderDevice.h"
#include "SimulatedHidBackend.h"
#include "program/MorvaneFlash.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <ctime>
#include <memory>

namespace {

// 4 KiB: 64 paced reports, a little over three seconds per device.
constexpr int imageSize = 4096;

// One `morvane-flash flash --all-devices` run over `devices` simulated devices.
double flashAll(int devices, const QString &image, bool &allReceived)
{
    SimulatedHidBackend hid;
    std::vector<std::shared_ptr<SimulatedBootloaderDevice>> attached;
    for (int i = 0; i < devices; ++i) {
        attached.push_back(std::make_shared<SimulatedBootloaderDevice>(0x1209, 0x0001));
        hid.attach(attached.back());
    }
    QString out;
    QString err;
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    Environment environment{hid,       outStream,        errStream, QUrl(),
                            QString(), CatalogueTrust(), false,     {}};
    const auto start = std::chrono::steady_clock::now();
    const int status = runMorvaneFlash({"morvane-flash", "flash", "--all-devices", "--quiet",
                                        "--file", image, "--vid", "1209", "--pid", "0001"},
                                       environment);
    const std::chrono::duration<double> wall = std::chrono::steady_clock::now() - start;
    allReceived = status == 0;
    for (const auto &device : attached) {
        allReceived = allReceived && device->receivedImage().size() == std::size_t(imageSize);
    }
    return wall.count();
}

// The CPU time the process has used so far, in seconds.
double processCpuSeconds()
{
    return double(std::clock()) / CLOCKS_PER_SEC;
}

// N devices flashed at once against one: each has its own transfer thread, so the run should
// take hardly longer than a single device (target: 1.05 times at most).
void BM_AllDevicesVersusOne(benchmark::State &state)
{
    const int devices = int(state.range(0));
    QTemporaryDir folder;
    const QString image = QDir(folder.path()).filePath("image.bin");
    if (!writeImageFile(image, imageSize)) {
        state.SkipWithError("cannot write the image");
        return;
    }

    double one = 0.0;
    double all = 0.0;
    double worstRatio = 0.0;
    double cpu = 0.0;
    for (auto _ : state) {
        bool received = false;
        one = flashAll(1, image, received);
        bool allReceived = false;
        const double cpuBefore = processCpuSeconds();
        all = flashAll(devices, image, allReceived);
        cpu = processCpuSeconds() - cpuBefore;
        if (!received || !allReceived) {
            state.SkipWithError("a device did not receive the whole image");
            return;
        }
        worstRatio = std::max(worstRatio, all / one);
    }
    state.counters["one_device_s"] = one;
    state.counters["all_devices_s"] = all;
    state.counters["worst_ratio"] = worstRatio;
    // Of one core, over the run of all devices.
    state.counters["cpu_s"] = cpu;
    state.counters["cpu_share"] = cpu / all;
}

} // namespace

BENCHMARK(BM_AllDevicesVersusOne)
    ->Arg(8)
    ->Arg(32)
    ->Iterations(3)
    ->Unit(benchmark::kSecond)
    ->UseRealTime();
