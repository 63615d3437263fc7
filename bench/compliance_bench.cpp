// The BUG rating and the luminance table of the largest sample (263 x 361 values, full turn):
// ten exact zone integrals and 72 luminance values. Meant to stay within 2 ms.

#include "compliance/Compliance.h"
#include "data/Loading.h"

#include <benchmark/benchmark.h>
#include <string>

namespace {

void BM_ComplianceOfLargestSample(benchmark::State& state) {
    lumetra::tIES record;
    lumetra::TextLines lines, header;
    lumetra::LuminaireFacts facts;
    lumetra::LoadPhotometry(std::string(LUMETRA_SAMPLES_DIR) + "/lm1995_263x361_crlf.ies", record,
                            lines, header, nullptr, facts);
    for (auto _ : state)
        benchmark::DoNotOptimize(lumetra::compliance::ComplianceOf(record, facts));
}
BENCHMARK(BM_ComplianceOfLargestSample)->Unit(benchmark::kMillisecond);

} // namespace
