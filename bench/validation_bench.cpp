// Speed of the check behind lumetra-cli check: the real samples, a file of a million candela
// values, and a 10 MB line.

#include "data/Validation.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

std::vector<std::string> SampleBytes() {
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(LUMETRA_SAMPLES_DIR)) {
        if (entry.path().extension() != ".ies")
            continue;
        std::ifstream in(entry.path(), std::ios::binary);
        files.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    return files;
}

std::string MillionValues() {
    std::string text =
        "IESNA:LM-63-2002\n[TEST] bench\nTILT=NONE\n1 1000 1 1000 1000 1 1 0 0 0\n1 1 100\n";
    for (int v = 0; v < 1000; ++v)
        text += std::to_string(v * 0.18) + (v % 10 == 9 ? "\n" : " ");
    for (int h = 0; h < 1000; ++h)
        text += std::to_string(h * 0.36) + (h % 10 == 9 ? "\n" : " ");
    for (int i = 0; i < 1'000'000; ++i)
        text += std::to_string(100 + i % 997) + (i % 10 == 9 ? ".25\n" : ".25 ");
    return text;
}

void BM_ValidateSamples(benchmark::State& state) {
    const std::vector<std::string> files = SampleBytes();
    std::size_t bytes = 0;
    for (const auto& file : files)
        bytes += file.size();
    for (auto _ : state) {
        for (const auto& file : files)
            benchmark::DoNotOptimize(lumetra::ValidateIes(file));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
    state.counters["files"] = benchmark::Counter(
        static_cast<double>(state.iterations() * files.size()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_ValidateSamples)->Unit(benchmark::kMillisecond);

void BM_ValidateMillionValues(benchmark::State& state) {
    const std::string text = MillionValues();
    for (auto _ : state)
        benchmark::DoNotOptimize(lumetra::ValidateIes(text));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_ValidateMillionValues)->Unit(benchmark::kMillisecond);

void BM_ValidateTenMegabyteLine(benchmark::State& state) {
    const std::string text =
        "IESNA:LM-63-2002\nTILT=NONE\n1 1000 1 3 1 1 1 0 0 0\n1 1 100\n0 45 90\n0\n" +
        std::string(10'000'000, '1') + "x\n";
    for (auto _ : state)
        benchmark::DoNotOptimize(lumetra::ValidateIes(text));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_ValidateTenMegabyteLine)->Unit(benchmark::kMillisecond);

} // namespace
