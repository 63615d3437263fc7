// The photometric summary of the largest sample (263 x 361 values, full turn): flux, zones,
// angles and derived figures together. It is meant to stay well under 5 ms.

#include "BenchSample.h"
#include "summary/PhotometricSummary.h"

#include <benchmark/benchmark.h>
#include <string>

namespace {

void BM_SummaryOfLargestSample(benchmark::State& state) {
    const auto sample = lumetra::bench::LoadSample(lumetra::bench::kLargestSample);
    for (auto _ : state)
        benchmark::DoNotOptimize(lumetra::summary::Summarize(sample.Record, sample.Facts));
}
BENCHMARK(BM_SummaryOfLargestSample)->Unit(benchmark::kMillisecond);

} // namespace
