#pragma once

#include <benchmark/benchmark.h>

// The benchmarks' main: the Qt application object the measured code needs, then
// Google Benchmark.
template <class Application>
int runBenchmarks(int argc, char **argv)
{
    Application app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
