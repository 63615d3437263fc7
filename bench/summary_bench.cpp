// The photometric summary of the largest sample (263 x 361 values, full turn): flux, zones,
// angles and derived figures together. It is meant to stay well under 5 ms.

#include "data/Loading.h"
#include "summary/PhotometricSummary.h"

#include <benchmark/benchmark.h>
#include <string>

namespace {

void BM_SummaryOfLargestSample(benchmark::State& state) {
    lumetra::tIES record;
    lumetra::TextLines lines, header;
    lumetra::LuminaireFacts facts;
    lumetra::LoadPhotometry(std::string(LUMETRA_SAMPLES_DIR) + "/lm1995_263x361_crlf.ies", record,
                            lines, header, nullptr, facts);
    for (auto _ : state)
        benchmark::DoNotOptimize(lumetra::summary::Summarize(record, facts));
}
BENCHMARK(BM_SummaryOfLargestSample)->Unit(benchmark::kMillisecond);

} // namespace
