// How the GUI thread fares while a 64 KiB image streams into a simulated device: the
// longest gap between two event-loop turns, the number of pane rewrites for progress, and
// the time from launch to the catalogue shown, against a local server.
#include "CatalogueServer.h"
#include "SimulatedHidBackend.h"
#include "app/AppDelegate.h"

#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

constexpr int imageSize = 64 * 1024;

void BM_UpdateFlowKeepsTheGuiResponsive(benchmark::State &state)
{
    CatalogueServer server;
    SimulatedHidBackend hid;
    hid.attach(std::make_shared<SimulatedBootloaderDevice>(0x1209, 0x0001));
    server.setBody("/fw/big.bin", std::string(imageSize, '\x5A'));
    server.setBody("/fw/big.txt", "notes");
    server.setBody("/product/MORVANE_LST.txt", "Bench;1209;0001;V1;c;" + server.url("/fw/big.bin") +
                                                   ";" + server.url("/fw/big.txt") + "\n");
    QTemporaryDir folder;

    for (auto _ : state) {
        AppDelegate app(QUrl(QString::fromStdString(server.url("/product/MORVANE_LST.txt"))), hid,
                        QDir(folder.path()).filePath("MorvaneUpdater"));
        int progressRewrites = 0;
        QObject::connect(&app, &AppDelegate::infoTextChanged, [&](const QString &text) {
            progressRewrites += text.section('\n', -1).startsWith("Update progress: ") ? 1 : 0;
        });

        QElapsedTimer launch;
        launch.start();
        app.fetchFirmwareList();
        {
            QEventLoop loop;
            QObject::connect(&app, &AppDelegate::updateEnabledChanged, &loop, &QEventLoop::quit);
            QTimer::singleShot(10'000, &loop, &QEventLoop::quit);
            loop.exec();
        }
        if (!app.isUpdateEnabled()) {
            state.SkipWithError("the catalogue was not shown");
            break;
        }
        const double catalogueMs = double(launch.nsecsElapsed()) / 1e6;

        // A zero-interval timer runs once per event-loop turn; the gaps between its ticks
        // are how long the GUI thread was busy elsewhere.
        QElapsedTimer turn;
        qint64 longestGapNs = 0;
        QTimer ticker;
        ticker.setInterval(0);
        QObject::connect(&ticker, &QTimer::timeout, [&] {
            longestGapNs = std::max(longestGapNs, turn.nsecsElapsed());
            turn.restart();
        });

        QElapsedTimer transfer;
        transfer.start();
        app.updateSelectedFirmware();
        turn.start();
        ticker.start();
        // A plain event loop: the test helpers' waits sleep between turns themselves.
        QEventLoop loop;
        QObject::connect(&app, &AppDelegate::updateFinished, &loop, &QEventLoop::quit);
        if (app.isUpdating()) {
            loop.exec();
        }
        ticker.stop();

        state.SetIterationTime(double(transfer.nsecsElapsed()) / 1e9);
        state.counters["longest_gui_gap_ms"] = double(longestGapNs) / 1e6;
        state.counters["progress_rewrites"] = progressRewrites;
        state.counters["catalogue_shown_ms"] = catalogueMs;
        if (!app.infoText().endsWith("Update completed.")) {
            state.SkipWithError("the update did not complete");
        }
    }
}

BENCHMARK(BM_UpdateFlowKeepsTheGuiResponsive)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kSecond);

} // namespace
