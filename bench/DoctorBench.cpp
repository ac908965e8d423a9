#include "CatalogueServer.h"
#include "SimulatedBootloaderDevice.h"
#include "SimulatedHidBackend.h"
#include "diagnosis/DoctorChecks.h"
#include "program/MorvaneFlash.h"

#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <chrono>
#include <memory>

namespace {

// One `morvane-flash doctor` run on a simulated device against `listURL`, in seconds.
double doctorRun(const QString &listURL)
{
    SimulatedHidBackend hid;
    hid.attach(std::make_shared<SimulatedBootloaderDevice>(0x1209, 0x0001));
    const QTemporaryDir folder;
    QString out;
    QString err;
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    Environment environment{hid,           outStream,        errStream, QUrl(listURL),
                            folder.path(), CatalogueTrust(), false,     {}};
    const auto start = std::chrono::steady_clock::now();
    runMorvaneFlash({"morvane-flash", "doctor", "--root", folder.path()}, environment);
    const std::chrono::duration<double> wall = std::chrono::steady_clock::now() - start;
    return wall.count();
}

// Doctor without a catalogue server (the connection is refused) answers at once, and one
// that never answers costs it its deadline: within 1 s beyond doctorDeadline in each case.
void BM_DoctorWithoutServer(benchmark::State &state)
{
    const bool silent = state.range(0) != 0;
    CatalogueServer server;
    server.setResponse("/list.txt", {.delay = std::chrono::minutes(5)});
    const QString listURL = silent ? QString::fromStdString(server.url("/list.txt"))
                                   : QString::fromStdString(CatalogueServer().url("/list.txt"));
    const double deadline = silent ? std::chrono::duration<double>(doctorDeadline).count() : 0.0;
    double worst = 0.0;
    for (auto _ : state) {
        const double seconds = doctorRun(listURL);
        worst = std::max(worst, seconds);
        state.SetIterationTime(seconds);
    }
    state.counters["worst_s"] = worst;
    state.counters["beyond_deadline_s"] = worst - deadline;
}
BENCHMARK(BM_DoctorWithoutServer)
    ->ArgName("silent")
    ->Arg(0)
    ->Arg(1)
    ->Iterations(3)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

} // namespace
