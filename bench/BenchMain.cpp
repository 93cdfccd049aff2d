// The benchmarks' entry: Google Benchmark's own, inside a temporary HOME.
#include <benchmark/benchmark.h>

#include "bench/BenchHome.h"

int main(int argc, char** argv) {
    const BenchHome home;
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
