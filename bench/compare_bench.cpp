// A comparison of two files: both summaries, every figure's difference and the largest intensity
// difference. Meant to stay under 10 ms: once on one grid (the largest sample against a scaled
// copy of itself), once on the union of two grids (the largest sample against a half-degree one).

#include "compare/Comparison.h"
#include "data/Loading.h"

#include <benchmark/benchmark.h>
#include <string>

namespace {

using lumetra::compare::Luminaire;

Luminaire Sample(const char* name) {
    Luminaire file;
    lumetra::TextLines lines, header;
    lumetra::LoadPhotometry(std::string(LUMETRA_SAMPLES_DIR) + "/" + name, file.Record, lines,
                            header, nullptr, file.Facts);
    return file;
}

void Run(benchmark::State& state, const Luminaire (&files)[2]) {
    for (auto _ : state)
        benchmark::DoNotOptimize(
            lumetra::compare::Compare(files, lumetra::compare::IntensityUnit::Candela));
}

void BM_CompareOnOneGrid(benchmark::State& state) {
    const Luminaire first = Sample("lm1995_263x361_crlf.ies");
    Luminaire scaled = first;
    scaled.Record.CandelaMultiplier *= 1.1L;
    const Luminaire files[2] = {first, scaled};
    Run(state, files);
}
BENCHMARK(BM_CompareOnOneGrid)->Unit(benchmark::kMillisecond);

void BM_CompareOnTheUnionOfTwoGrids(benchmark::State& state) {
    const Luminaire files[2] = {Sample("lm1995_263x361_crlf.ies"),
                                Sample("lm2002_181x73_half_degree.ies")};
    Run(state, files);
}
BENCHMARK(BM_CompareOnTheUnionOfTwoGrids)->Unit(benchmark::kMillisecond);

} // namespace
