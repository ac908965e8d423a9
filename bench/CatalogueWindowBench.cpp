// The real window and controller with a 100,000-line catalogue, on the offscreen platform:
// a click on a model, a paint of the versions list and a click on a version, each timed
// from the click until the whole window has been painted again.
#include "CatalogueGenerator.h"
#include "CatalogueServer.h"
#include "SimulatedHidBackend.h"
#include "app/AppDelegate.h"
#include "ui/MainWindow.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QListView>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

constexpr qsizetype catalogueLines = 100'000;

struct LoadedWindow
{
    CatalogueServer server;
    SimulatedHidBackend hid;
    QTemporaryDir folder;
    std::unique_ptr<AppDelegate> delegate;
    std::unique_ptr<MainWindow> window;
    bool shown = false;

    LoadedWindow()
    {
        const QByteArray base = QByteArray::fromStdString(server.baseUrl());
        server.setBody("/product/MORVANE_LST.txt",
                       generateCatalogue(catalogueLines, base).toStdString());
        delegate = std::make_unique<AppDelegate>(
            QUrl(QString::fromStdString(server.url("/product/MORVANE_LST.txt"))), hid,
            QDir(folder.path()).filePath("MorvaneUpdater"));
        window = buildWindow(*delegate);
        delegate->fetchFirmwareList();
        const QDeadlineTimer deadline(60'000);
        while (!delegate->selectedFirmware() && !deadline.hasExpired()) {
            QApplication::processEvents(QEventLoop::AllEvents, 50);
        }
        shown = delegate->selectedFirmware().has_value();
    }
};

LoadedWindow &loadedWindow()
{
    static LoadedWindow loaded;
    return loaded;
}

// A user's click on a visible row, then everything the event loop has to do for it, then a
// full repaint of the window: what stands between the click and the picture.
double clickAndRepaintMs(LoadedWindow &loaded, QListView &table, int row)
{
    QElapsedTimer timer;
    timer.start();
    const QRect rect = table.visualRect(table.model()->index(row, 0));
    QTest::mouseClick(table.viewport(), Qt::LeftButton, {}, rect.center());
    QApplication::processEvents();
    loaded.window->repaint();
    return double(timer.nsecsElapsed()) / 1e6;
}

void setLatencyCounters(benchmark::State &state, double worstMs)
{
    state.counters["worst_ms"] = worstMs;
    state.counters["versions"] =
        double(loadedWindow().delegate->numberOfRows(AppDelegate::Table::firmware));
}

// The window with its catalogue shown; nothing, and the benchmark skipped, when it never was.
LoadedWindow *shownWindow(benchmark::State &state)
{
    LoadedWindow &loaded = loadedWindow();
    if (!loaded.shown) {
        state.SkipWithError("the catalogue was not shown");
        return nullptr;
    }
    return &loaded;
}

// Clicks the table's rows in turn, among the first `visibleRows` (those that fit in the list
// without scrolling).
void chooseRows(benchmark::State &state, QListView *(MainWindow::*table)() const, int visibleRows)
{
    LoadedWindow *loaded = shownWindow(state);
    if (!loaded) {
        return;
    }
    QListView &list = *(loaded->window.get()->*table)();
    double worstMs = 0;
    int row = 0;
    for (auto _ : state) {
        row = (row + 1) % visibleRows;
        const double ms = clickAndRepaintMs(*loaded, list, row);
        worstMs = std::max(worstMs, ms);
        state.SetIterationTime(ms / 1e3);
    }
    setLatencyCounters(state, worstMs);
}

void BM_ChooseModel(benchmark::State &state)
{
    chooseRows(state, &MainWindow::productTable, 9);
}
BENCHMARK(BM_ChooseModel)->UseManualTime()->Iterations(40)->Unit(benchmark::kMillisecond);

void BM_PaintVersionsList(benchmark::State &state)
{
    LoadedWindow *loaded = shownWindow(state);
    if (!loaded) {
        return;
    }
    QWidget &viewport = *loaded->window->firmwareTable()->viewport();
    double worstMs = 0;
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        viewport.repaint();
        const double ms = double(timer.nsecsElapsed()) / 1e6;
        worstMs = std::max(worstMs, ms);
        state.SetIterationTime(ms / 1e3);
    }
    setLatencyCounters(state, worstMs);
}
BENCHMARK(BM_PaintVersionsList)->UseManualTime()->Iterations(100)->Unit(benchmark::kMillisecond);

void BM_ChooseVersion(benchmark::State &state)
{
    chooseRows(state, &MainWindow::firmwareTable, 7);
}
BENCHMARK(BM_ChooseVersion)->UseManualTime()->Iterations(40)->Unit(benchmark::kMillisecond);

} // namespace
