// The light-pattern pass against the plain algorithm it must match, on a real 181-angle file
// and on a generated record with 721 vertical angles.

#include "data/Loading.h"
#include "render/LightPattern.h"
#include "render/ReferenceRender.h"
#include "support/Records.h"

#include <benchmark/benchmark.h>
#include <stdexcept>
#include <string>

namespace {

using namespace lumetra;

const tIES& SampleRecord() {
    static const tIES record = [] {
        tIES loaded;
        TextLines fileLines;
        TextLines headerLines;
        LoadPhotometry(std::string(LUMETRA_SAMPLES_DIR) + "/lm2002_181x73_half_degree.ies", loaded,
                       fileLines, headerLines, nullptr);
        if (loaded.VerticalAngles.size() != 181)
            throw std::runtime_error("the 181-angle sample did not load");
        return loaded;
    }();
    return record;
}

const tIES& GeneratedRecord721() {
    static const tIES record = test::GeneratedRecord(721);
    return record;
}

const RenderSettings kSettings{.plane = 1, .brightness = 1.5L, .zoom = 500, .radiosity = 0};

void BM_RenderFast(benchmark::State& state, const tIES& (*record)()) {
    LightPatternGrid grid;
    for (auto _ : state) {
        RenderLightPattern(record(), kSettings, nullptr, grid);
        benchmark::DoNotOptimize(grid.grey.data());
    }
}

void BM_RenderReference(benchmark::State& state, const tIES& (*record)()) {
    LightPatternGrid grid;
    for (auto _ : state) {
        reference::Render(record(), kSettings, nullptr, grid);
        benchmark::DoNotOptimize(grid.grey.data());
    }
}

} // namespace

BENCHMARK_CAPTURE(BM_RenderFast, sample_181, SampleRecord)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(BM_RenderReference, sample_181, SampleRecord)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(BM_RenderFast, generated_721, GeneratedRecord721)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(BM_RenderReference, generated_721, GeneratedRecord721)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);
