// The BUG rating and the luminance table of the largest sample (263 x 361 values, full turn):
// ten exact zone integrals and 72 luminance values. Meant to stay within 2 ms.

#include "BenchSample.h"
#include "compliance/Compliance.h"

#include <benchmark/benchmark.h>
#include <string>

namespace {

void BM_ComplianceOfLargestSample(benchmark::State& state) {
    const auto sample = lumetra::bench::LoadSample(lumetra::bench::kLargestSample);
    for (auto _ : state)
        benchmark::DoNotOptimize(lumetra::compliance::ComplianceOf(sample.Record, sample.Facts));
}
BENCHMARK(BM_ComplianceOfLargestSample)->Unit(benchmark::kMillisecond);

} // namespace
