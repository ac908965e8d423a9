#include <benchmark/benchmark.h>

#ifdef MORVANE_BENCH_GUI
#include <QApplication>
using BenchmarkApplication = QApplication;
#else
#include <QCoreApplication>
using BenchmarkApplication = QCoreApplication;
#endif

// The entry point of benchmarks whose code needs an event loop (network replies, queued
// calls), and with MORVANE_BENCH_GUI of those that also need real widgets.
int main(int argc, char **argv)
{
#ifdef MORVANE_BENCH_GUI
    // The window is real but needs no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
#endif
    BenchmarkApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
