// The benchmarks' entry: Google Benchmark's own, inside a temporary HOME.
#include <benchmark/benchmark.h>

#include "tests/support/TempHome.h"

int main(int argc, char** argv) {
    const TempHome home;
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
