#include "CatalogueGenerator.h"
#include "catalogue/FirmwareListParser.h"
#include "catalogue/ModelIndex.h"
#include "catalogue/ServerTextDecoder.h"

#include <QElapsedTimer>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <limits>
// Only glibc reports its heap (the C++ headers above define __GLIBC__ there); elsewhere the
// kept-bytes counter is left out.
#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace {

#if defined(__GLIBC__)
// Heap bytes in use, as glibc's allocator counts them: chunk overheads included.
size_t heapInUse()
{
    return mallinfo2().uordblks;
}
#endif

void setRates(benchmark::State &state, qsizetype bytes, qsizetype records)
{
    state.SetBytesProcessed(state.iterations() * bytes);
    state.counters["records/s"] =
        benchmark::Counter(double(records), benchmark::Counter::kIsIterationInvariantRate);
    state.counters["lines"] = double(state.range(0));
}

void BM_ParseFirmwareList(benchmark::State &state)
{
    const QByteArray bytes = generateCatalogue(state.range(0));
    const QString text = *decodeStrictUtf8(bytes);
    qsizetype records = 0;
    for (auto _ : state) {
        const QList<FirmwareItem> items = parseFirmwareList(text);
        records = items.size();
        benchmark::DoNotOptimize(items.constData());
    }
    setRates(state, bytes.size(), records);

#if defined(__GLIBC__)
    // What a parsed catalogue keeps: the heap it still holds once the parse has returned.
    const size_t before = heapInUse();
    const QList<FirmwareItem> kept = parseFirmwareList(text);
    state.counters["kept_bytes/record"] =
        double(heapInUse() - before) / double(std::max<qsizetype>(kept.size(), 1));
#endif
}
BENCHMARK(BM_ParseFirmwareList)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

// The parse must stay linear: both sizes timed in one run, best of the iterations each, so
// that a loaded machine's noise does not pass for growth.
void BM_ParseGrowth(benchmark::State &state)
{
    const QString small = *decodeStrictUtf8(generateCatalogue(10'000));
    const QString large = *decodeStrictUtf8(generateCatalogue(100'000));
    const auto bestOf = [](double best, const QString &text) {
        QElapsedTimer timer;
        timer.start();
        benchmark::DoNotOptimize(parseFirmwareList(text).constData());
        return std::min(best, double(timer.nsecsElapsed()));
    };
    double smallNs = std::numeric_limits<double>::infinity();
    double largeNs = smallNs;
    for (auto _ : state) {
        smallNs = bestOf(smallNs, small);
        largeNs = bestOf(largeNs, large);
    }
    state.counters["ms_10k"] = smallNs / 1e6;
    state.counters["ms_100k"] = largeNs / 1e6;
    state.counters["ratio_100k_to_10k"] = largeNs / smallNs;
}
BENCHMARK(BM_ParseGrowth)->Iterations(5)->Unit(benchmark::kMillisecond);

// What the catalogue fetch does with a downloaded body: strict UTF-8, parse, model list.
void BM_DecodeParseDerive(benchmark::State &state)
{
    const QByteArray bytes = generateCatalogue(state.range(0));
    qsizetype records = 0;
    for (auto _ : state) {
        const QList<FirmwareItem> items = parseFirmwareList(*decodeStrictUtf8(bytes));
        const ModelIndex index(items);
        records = items.size();
        benchmark::DoNotOptimize(index.products().constData());
    }
    setRates(state, bytes.size(), records);
}
BENCHMARK(BM_DecodeParseDerive)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

// Choosing a model looks its records up in the index; the lookup must not grow into a pass.
void BM_FirmwareForProduct(benchmark::State &state)
{
    const QList<FirmwareItem> items =
        parseFirmwareList(*decodeStrictUtf8(generateCatalogue(state.range(0))));
    const ModelIndex index(items);
    const std::optional<QString> product = items.at(8).product;
    for (auto _ : state) {
        benchmark::DoNotOptimize(index.recordsOf(product).constData());
    }
    state.counters["records/s"] =
        benchmark::Counter(double(items.size()), benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_FirmwareForProduct)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
