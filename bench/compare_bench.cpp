// A comparison of two files: both summaries, every figure's difference and the largest intensity
// difference. Meant to stay under 10 ms: once on one grid (the largest sample against a scaled
// copy of itself), once on the union of two grids (the largest sample against a half-degree one).

#include "BenchSample.h"
#include "compare/Comparison.h"

#include <benchmark/benchmark.h>
#include <string>

namespace {

using lumetra::compare::Luminaire;

Luminaire Sample(const char* name) {
    auto sample = lumetra::bench::LoadSample(name);
    return {std::move(sample.Record), sample.Facts};
}

void Run(benchmark::State& state, const Luminaire (&files)[2]) {
    for (auto _ : state)
        benchmark::DoNotOptimize(
            lumetra::compare::Compare(files, lumetra::compare::IntensityUnit::Candela));
}

void BM_CompareOnOneGrid(benchmark::State& state) {
    const Luminaire first = Sample(lumetra::bench::kLargestSample);
    Luminaire scaled = first;
    scaled.Record.CandelaMultiplier *= 1.1L;
    const Luminaire files[2] = {first, scaled};
    Run(state, files);
}
BENCHMARK(BM_CompareOnOneGrid)->Unit(benchmark::kMillisecond);

void BM_CompareOnTheUnionOfTwoGrids(benchmark::State& state) {
    const Luminaire files[2] = {Sample(lumetra::bench::kLargestSample),
                                Sample("lm2002_181x73_half_degree.ies")};
    Run(state, files);
}
BENCHMARK(BM_CompareOnTheUnionOfTwoGrids)->Unit(benchmark::kMillisecond);

} // namespace
