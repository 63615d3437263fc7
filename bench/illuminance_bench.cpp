// The 201 x 201 floor grid below the largest samples (361 x 721 and 263 x 361 values, full
// turn), each node interpolated exactly as the summary does. It is meant to stay under 5 ms, so
// that the window redraws while the height changes.

#include "BenchSample.h"
#include "illuminance/Illuminance.h"

#include <benchmark/benchmark.h>
#include <string>
#include <variant>

namespace {

void BM_FloorGrid201(benchmark::State& state, const char* sample) {
    const auto loaded = lumetra::bench::LoadSample(sample);
    const auto intensity = std::get<lumetra::summary::IntensityGrid>(
        lumetra::illuminance::TypeCIntensity(loaded.Record, loaded.Facts));
    const lumetra::illuminance::IlluminanceRequest request{3, 20, 0.1L, {}};
    for (auto _ : state)
        benchmark::DoNotOptimize(lumetra::illuminance::Calculate(intensity, request));
}
BENCHMARK_CAPTURE(BM_FloorGrid201, largest_sample_361x721, "lm2002_generated_721_planes.ies")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FloorGrid201, sample_263x361, "lm1995_263x361_crlf.ies")
    ->Unit(benchmark::kMillisecond);

} // namespace
