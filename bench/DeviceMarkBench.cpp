// The real window and controller on the offscreen platform, watching simulated devices: from
// a plug (and an unplug) to the model row's mark, 50 times; and the process's CPU while the
// window idles with the watcher running. Each through the simulator's hotplug notices (as
// udev's, event-driven) and through enumeration once a second (the fallback).
#include "CatalogueServer.h"
#include "SimulatedHidBackend.h"
#include "app/AppDelegate.h"
#include "app/CatalogueRoles.h"
#include "ui/MainWindow.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QListView>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <ctime>
#include <functional>
#include <memory>
#include <vector>

namespace {

constexpr int plugs = 50;

// When the model list's viewport is first painted with its row marked, timed from a plug.
class PaintSeen final : public QObject
{
public:
    std::function<bool()> marked;
    QElapsedTimer sincePlug;
    bool armed = false;
    double paintedMs = -1;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (armed && event->type() == QEvent::Paint && marked()) {
            paintedMs = double(sincePlug.nsecsElapsed()) / 1e6;
            armed = false;
        }
        return QObject::eventFilter(watched, event);
    }
};

struct WatchingWindow
{
    CatalogueServer server;
    SimulatedHidBackend hid;
    QTemporaryDir folder;
    std::unique_ptr<AppDelegate> delegate;
    std::unique_ptr<MainWindow> window;
    PaintSeen paints;
    bool shown = false;

    explicit WatchingWindow(bool events)
    {
        const std::string notes = server.url("/fw/notes.txt");
        server.setBody("/fw/notes.txt", "notes");
        server.setBody("/product/MORVANE_LST.txt",
                       "MORVANE K7;1209;0001;V1;c;" + server.url("/fw/k7.bin") + ";" + notes +
                           "\nMORVANE D1;1209;0004;V1;c;" + server.url("/fw/d1.bin") + ";" + notes +
                           "\n");
        delegate = std::make_unique<AppDelegate>(
            QUrl(QString::fromStdString(server.url("/product/MORVANE_LST.txt"))), hid,
            QDir(folder.path()).filePath("MorvaneUpdater"));
        delegate->watchDevices(events ? hid.hotplugMonitor() : nullptr);
        window = buildWindow(*delegate);
        window->show();
        paints.marked = [this] {
            return marked() > 0;
        };
        window->productTable()->viewport()->installEventFilter(&paints);
        delegate->fetchFirmwareList();
        shown = waitUntil([&] { return delegate->infoText().endsWith("notes"); }, 60'000);
    }

    int marked() const
    {
        return delegate->productModel()->index(1).data(CatalogueRoles::AttachedCountRole).toInt();
    }

    // Runs the event loop until `done`, sleeping until the next event comes: the watcher's
    // queued call wakes it at once, and an idle window costs only what it costs.
    template <typename Done> static bool waitUntil(Done done, int milliseconds = 10'000)
    {
        const QDeadlineTimer deadline(milliseconds);
        QTimer wake;
        wake.setSingleShot(true);
        wake.setTimerType(Qt::PreciseTimer);
        while (!done()) {
            if (deadline.hasExpired()) {
                return false;
            }
            // A timer may fire a little before the deadline; the next wait needs one again.
            if (!wake.isActive()) {
                wake.start(int(std::max<qint64>(1, deadline.remainingTime())));
            }
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        }
        return true;
    }
};

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

void setCounters(benchmark::State &state, const char *name, const std::vector<double> &ms)
{
    if (ms.empty()) {
        return;
    }
    state.counters[std::string(name) + "_median_ms"] = median(ms);
    state.counters[std::string(name) + "_worst_ms"] = *std::max_element(ms.begin(), ms.end());
}

// Arg 1: the event-driven watcher; 0: enumeration once a second.
void BM_PlugToMark(benchmark::State &state)
{
    WatchingWindow w(state.range(0) == 1);
    if (!w.shown) {
        state.SkipWithError("the catalogue was never shown");
        return;
    }
    const auto device = std::make_shared<SimulatedBootloaderDevice>(0x1209, 0x0004);
    std::vector<double> toModel;
    std::vector<double> toPaint;
    std::vector<double> toUnmark;
    for (auto _ : state) {
        QElapsedTimer &timer = w.paints.sincePlug;
        w.paints.paintedMs = -1;
        w.paints.armed = true;
        timer.start();
        w.hid.attach(device);
        if (!WatchingWindow::waitUntil([&] { return w.marked() == 1; })) {
            state.SkipWithError("the row was never marked");
            return;
        }
        toModel.push_back(double(timer.nsecsElapsed()) / 1e6);
        if (!WatchingWindow::waitUntil([&] { return w.paints.paintedMs >= 0; })) {
            state.SkipWithError("the marked row was never painted");
            return;
        }
        toPaint.push_back(w.paints.paintedMs);
        state.SetIterationTime(w.paints.paintedMs / 1e3);

        timer.start();
        w.hid.detach(device);
        WatchingWindow::waitUntil([&] { return w.marked() == 0; });
        toUnmark.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    setCounters(state, "plug_to_row", toModel);
    setCounters(state, "plug_to_paint", toPaint);
    setCounters(state, "unplug_to_row", toUnmark);
}
BENCHMARK(BM_PlugToMark)
    ->Arg(1)
    ->Arg(0)
    ->Iterations(plugs)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

double processCpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

// The window idling for 60 s, the watcher running, nothing plugged: CPU as a share of one
// core.
void BM_IdleCpu(benchmark::State &state)
{
    WatchingWindow w(state.range(0) == 1);
    if (!w.shown) {
        state.SkipWithError("the catalogue was never shown");
        return;
    }
    // Settle after the start-up and the notes.
    WatchingWindow::waitUntil([] { return false; }, 2'000);
    for (auto _ : state) {
        const double cpuBefore = processCpuSeconds();
        QElapsedTimer wall;
        wall.start();
        WatchingWindow::waitUntil([] { return false; }, 60'000);
        const double seconds = double(wall.nsecsElapsed()) / 1e9;
        state.counters["idle_cpu_percent"] = (processCpuSeconds() - cpuBefore) / seconds * 100;
    }
}
BENCHMARK(BM_IdleCpu)->Arg(1)->Arg(0)->Iterations(1)->Unit(benchmark::kSecond);

} // namespace
