#include "CatalogueServer.h"
#include "DemoEnvironment.h"
#include "SimulatedBootloaderDevice.h"
#include "SimulatedHidBackend.h"
#include "bootloader/HIDBootloader.h"
#include "bootloader/TransferStopped.h"
#include "program/MorvaneFlash.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <memory>
#include <numeric>
#include <stop_token>
#include <thread>
#include <vector>

namespace {

std::shared_ptr<SimulatedBootloaderDevice> attachDevice(SimulatedHidBackend &backend)
{
    auto device = std::make_shared<SimulatedBootloaderDevice>(0x1A2B, 0x3C4D);
    backend.attach(device);
    return device;
}

// A fresh simulated device, attached and ready for a transfer; one per iteration.
struct SimulatedSetup
{
    SimulatedHidBackend backend;
    std::shared_ptr<SimulatedBootloaderDevice> device = attachDevice(backend);
    HIDBootloader bootloader{backend};
};

// Flashes 64 KiB (1024 reports) and compares the wall time with the pacing floor of
// 1024 x 50 ms: the transfer should cost the pauses and hardly anything else.
void BM_Flash64KiB(benchmark::State &state)
{
    constexpr std::size_t imageSize = 64 * 1024;
    constexpr std::size_t reports = imageSize / HIDBootloader::reportSize;
    const double floorSeconds =
        std::chrono::duration<double>(HIDBootloader::reportDelay).count() * reports;

    std::vector<uint8_t> image(imageSize);
    std::iota(image.begin(), image.end(), uint8_t{0});

    double ratio = 0.0;
    std::size_t underPace = 0;
    double shortestGapMs = 0.0;
    for (auto _ : state) {
        SimulatedSetup setup;

        const auto start = std::chrono::steady_clock::now();
        try {
            setup.bootloader.flash(image, "1A2B", "3C4D",
                                   [](int percent) { benchmark::DoNotOptimize(percent); });
        } catch (const BootloaderError &error) {
            state.SkipWithError(error.what());
            return;
        }
        const std::chrono::duration<double> wall = std::chrono::steady_clock::now() - start;

        if (setup.device->receivedImage() != image) {
            state.SkipWithError("image arrived damaged");
            return;
        }
        ratio = wall.count() / floorSeconds;
        underPace = setup.device->reportsUnderPace();
        if (const auto gap = setup.device->shortestImageGap()) {
            shortestGapMs = std::chrono::duration<double, std::milli>(*gap).count();
        }
    }
    state.counters["ratio_to_floor"] = ratio;
    state.counters["reports_under_50ms"] = static_cast<double>(underPace);
    state.counters["shortest_gap_ms"] = shortestGapMs;
}

// A stop asked for in the middle of a transfer, from another thread as the window does: the
// time until flash has closed the device and returned. The program must end within 200 ms
// of the user's confirmation; one report pause (50 ms) is the expected worst case.
void BM_StopLatency(benchmark::State &state)
{
    const std::vector<uint8_t> image(64 * 1024, 0x5A);
    double worstMs = 0.0;
    for (auto _ : state) {
        SimulatedSetup setup;
        std::stop_source stop;
        std::chrono::steady_clock::time_point stopped;
        std::jthread transfer([&] {
            try {
                setup.bootloader.flash(image, "1A2B", "3C4D", {}, stop.get_token());
            } catch (const TransferStopped &) {
            } catch (const BootloaderError &) {
            }
            stopped = std::chrono::steady_clock::now();
        });
        while (setup.device->imageReportCount() < 10) {
            std::this_thread::sleep_for(std::chrono::milliseconds(7));
        }
        const auto asked = std::chrono::steady_clock::now();
        stop.request_stop();
        transfer.join();
        if (setup.device->isOpen()) {
            state.SkipWithError("device left open");
            return;
        }
        worstMs =
            std::max(worstMs, std::chrono::duration<double, std::milli>(stopped - asked).count());
    }
    state.counters["worst_stop_ms"] = worstMs;
}

// The same 64 KiB flashed by morvane-flash from an offline bundle: the list read and its
// signature checked, the image read by its digest, checked, kept, then streamed. All of it
// against the pacing floor, as BM_Flash64KiB measures the stream alone (target: 1.005 times).
void BM_FlashFromBundle64KiB(benchmark::State &state)
{
    constexpr int imageSize = 64 * 1024;
    const double floorSeconds = std::chrono::duration<double>(HIDBootloader::reportDelay).count() *
                                (imageSize / HIDBootloader::reportSize);
    QTemporaryDir folder;
    const QString bundle = QDir(folder.path()).filePath("bundle");
    QString out;
    QString err;
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    SimulatedHidBackend hid;
    QUrl listURL;
    {
        CatalogueServer server;
        publishDemoCatalogue(server, QByteArray(imageSize, '\x5A'));
        listURL = QUrl(QString::fromStdString(server.url("/product/MORVANE_LST.txt")));
        Environment environment{hid,           outStream,
                                errStream,     listURL,
                                folder.path(), catalogueTrustFromKey(demoCatalogueKey()),
                                false,         {}};
        if (runMorvaneFlash(
                {"morvane-flash", "bundle", "create", bundle, "MORVANE K7 Keyboard", "V1.3.1"},
                environment) != 0) {
            state.SkipWithError(err.toStdString().c_str());
            return;
        }
    }
    double ratio = 0.0;
    for (auto _ : state) {
        auto device = std::make_shared<SimulatedBootloaderDevice>(0x1209, 0x0001);
        hid.attach(device);
        Environment environment{hid,           outStream,
                                errStream,     listURL,
                                folder.path(), catalogueTrustFromKey(demoCatalogueKey()),
                                false,         {}};
        const auto start = std::chrono::steady_clock::now();
        const int status = runMorvaneFlash({"morvane-flash", "--bundle", bundle, "flash",
                                            "MORVANE K7 Keyboard", "V1.3.1", "--quiet"},
                                           environment);
        const std::chrono::duration<double> wall = std::chrono::steady_clock::now() - start;
        if (status != 0 || device->receivedImage().size() != std::size_t(imageSize)) {
            state.SkipWithError(err.toStdString().c_str());
            return;
        }
        hid.detach(device);
        ratio = wall.count() / floorSeconds;
    }
    state.counters["ratio_to_floor"] = ratio;
}

} // namespace

BENCHMARK(BM_FlashFromBundle64KiB)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();
BENCHMARK(BM_StopLatency)->Iterations(20)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Flash64KiB)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();
