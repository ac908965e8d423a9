#include "CatalogueGenerator.h"
#include "FirmwareListParser.h"
#include "ModelList.h"
#include "ServerTextDecoder.h"

#include <benchmark/benchmark.h>

namespace {

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
}
BENCHMARK(BM_ParseFirmwareList)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

// What the catalogue fetch does with a downloaded body: strict UTF-8, parse, model list.
void BM_DecodeParseDerive(benchmark::State &state)
{
    const QByteArray bytes = generateCatalogue(state.range(0));
    qsizetype records = 0;
    for (auto _ : state) {
        const QList<FirmwareItem> items = parseFirmwareList(*decodeStrictUtf8(bytes));
        const QStringList products = deriveProducts(items);
        records = items.size();
        benchmark::DoNotOptimize(products.constData());
    }
    setRates(state, bytes.size(), records);
}
BENCHMARK(BM_DecodeParseDerive)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

// The firmware list is derived afresh for every table callback, so one pass must stay cheap.
void BM_FirmwareForProduct(benchmark::State &state)
{
    const QList<FirmwareItem> items =
        parseFirmwareList(*decodeStrictUtf8(generateCatalogue(state.range(0))));
    const std::optional<QString> product = items.at(8).product;
    for (auto _ : state) {
        benchmark::DoNotOptimize(firmwareForProduct(items, product).constData());
    }
    state.counters["records/s"] =
        benchmark::Counter(double(items.size()), benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_FirmwareForProduct)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
