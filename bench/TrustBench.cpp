// What the trust checks add to a download: verifying the catalogue signature of a large list
// file, and checking the digest of an image.
#include "MinisignSigner.h"
#include "catalogue/FirmwareListParser.h"
#include "trust/CatalogueSignature.h"
#include "trust/ImageDigest.h"
#include "trust/SignatureDates.h"
#include "update/SignedListRules.h"

#include <benchmark/benchmark.h>

namespace {

// List lines shaped like the real ones, each with its image digest.
QByteArray generateSignedList(qsizetype lineCount)
{
    QByteArray text;
    text.reserve(lineCount * 230);
    for (qsizetype i = 0; i < lineCount; ++i) {
        const QByteArray base = "http://firmware.morvane.example/fw/x" +
                                QByteArray::number(i % 40) + "_" + QByteArray::number(i);
        text += "MORVANE X" + QByteArray::number(i % 40) + " Pro;1a86;e0a1;V1." +
                QByteArray::number(i) + ";2023 Morvane Technology Co., Ltd.;" + base + ".bin;" +
                base + ".txt;sha256:" + sha256Of(base).toHex() + "\n";
    }
    return text;
}

void BM_VerifyCatalogueSignature(benchmark::State &state)
{
    const QByteArray list = generateSignedList(state.range(0));
    const MinisignSecretKey key = generateMinisignSecretKey();
    const QByteArray signature = minisignSign(list, key, "timestamp:0\tfile:MORVANE_LST.txt");
    const MinisignPublicKey publicKey = key.publicKey();
    for (auto _ : state) {
        const std::optional<QString> problem =
            catalogueSignatureProblem(list, signature, publicKey);
        if (problem) {
            state.SkipWithError("the signature did not verify");
        }
        benchmark::DoNotOptimize(problem);
    }
    state.SetBytesProcessed(state.iterations() * list.size());
    state.counters["lines"] = double(state.range(0));
    state.counters["MiB"] = double(list.size()) / (1024 * 1024);
}
BENCHMARK(BM_VerifyCatalogueSignature)->Arg(100'000)->Unit(benchmark::kMillisecond);

// The parse of a list, against which the verdict's share is measured.
void BM_ParseList(benchmark::State &state)
{
    const QString list = QString::fromUtf8(generateSignedList(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(parseFirmwareList(list));
    }
    state.counters["lines"] = double(state.range(0));
}
BENCHMARK(BM_ParseList)->Arg(10'000)->Unit(benchmark::kMillisecond);

// What a signed list is judged by beyond its signature: its dates and the rules its lines
// must keep.
void BM_SignedListVerdict(benchmark::State &state)
{
    const QList<FirmwareItem> items =
        parseFirmwareList(QString::fromUtf8(generateSignedList(state.range(0))));
    for (auto _ : state) {
        const SignatureDates dates =
            parseSignatureDates("timestamp:1700000000\texpires:1900000000");
        benchmark::DoNotOptimize(signatureDatesProblem(dates, 1600000000, 1800000000));
        benchmark::DoNotOptimize(signedListMayBreakRules(items, 0));
    }
    state.counters["lines"] = double(state.range(0));
}
BENCHMARK(BM_SignedListVerdict)->Arg(10'000)->Unit(benchmark::kMillisecond);

void BM_CheckImageDigest(benchmark::State &state)
{
    QByteArray image(state.range(0), '\0');
    for (qsizetype i = 0; i < image.size(); ++i) {
        image[i] = char(i * 7 + 3);
    }
    const ImageDigest digest =
        parseImageDigest(QStringLiteral("sha256:") + QString::fromLatin1(sha256Of(image).toHex()));
    for (auto _ : state) {
        const std::optional<QString> mismatch = imageDigestMismatch(digest, image);
        if (mismatch) {
            state.SkipWithError("the digest did not match");
        }
        benchmark::DoNotOptimize(mismatch);
    }
    state.SetBytesProcessed(state.iterations() * image.size());
}
BENCHMARK(BM_CheckImageDigest)->Arg(1024 * 1024)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
