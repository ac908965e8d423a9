#include <QCoreApplication>
#include <benchmark/benchmark.h>

// The entry point of benchmarks whose code needs an event loop (network replies, queued calls)
// but no widgets.
int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
