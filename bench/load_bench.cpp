// Loading an IES file end to end (read, split into lines, tokenise, convert), for the largest
// sample and for generated files of about 260,000 and 2,600,000 candela values. Time per value
// should stay flat as files grow: the reader is meant to be linear in the size of the file.
//
// Each file is also read by a renderer-style float parser, the baseline the loader is measured
// against (goal: at least three times its speed): the file read whole, commas to blanks, the TILT
// line found, then strtod per token into float. Both sides include reading the file; the
// baseline keeps no header, checks no counts and rounds every value to float.

#include "data/Loading.h"
#include "support/LoadOutcome.h"
#include "support/TempFolder.h"

#include <benchmark/benchmark.h>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace {

using lumetra::TextLines;
using lumetra::tIES;

// A plausible LM-63 file: ten numbers per line, two decimals, values that vary in every digit.
std::string GeneratedIes(int vertical, int horizontal) {
    std::string text = "IESNA:LM-63-2002\n[TEST] generated\n[MANUFAC] bench\nTILT=NONE\n";
    text += "1 10000 1 " + std::to_string(vertical) + " " + std::to_string(horizontal) +
            " 1 2 0.1 0.1 0.05\n1 1 50\n";
    char number[32];
    int onLine = 0;
    const auto put = [&](double value) {
        const int n = std::snprintf(number, sizeof number, "%.2f", value);
        text.append(number, static_cast<std::size_t>(n));
        text += ++onLine % 10 == 0 ? '\n' : ' ';
    };
    const auto endList = [&] {
        if (onLine % 10 != 0)
            text += '\n';
        onLine = 0;
    };
    for (int v = 0; v < vertical; ++v)
        put(180.0 * v / (vertical - 1));
    endList();
    for (int h = 0; h < horizontal; ++h)
        put(360.0 * h / (horizontal - 1));
    endList();
    for (int h = 0; h < horizontal; ++h) {
        for (int v = 0; v < vertical; ++v)
            put(1234.56 * (1.0 + std::sin(0.013 * h + 0.021 * v)) +
                0.01 * ((h * 31 + v * 17) % 97));
        endList();
    }
    return text;
}

// The generated files live in a temporary folder for the whole run.
struct GeneratedFiles {
    lumetra::test::TempFolder folder;
    std::string values260k = folder.Write("generated_361x721.ies", GeneratedIes(361, 721));
    std::string values2600k = folder.Write("generated_1801x1441.ies", GeneratedIes(1801, 1441));
};

const GeneratedFiles& Generated() {
    static const GeneratedFiles files;
    return files;
}

// The file's bytes, read whole as the loader reads them: one open, one size, one read.
std::string ReadBytes(const std::string& fileName) {
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(fileName.c_str(), "rb"),
                                                               std::fclose);
    std::string bytes;
    if (!file)
        return bytes;
    bytes.resize(std::filesystem::file_size(fileName));
    bytes.resize(std::fread(bytes.data(), 1, bytes.size(), file.get()));
    return bytes;
}

// Every number after the TILT line, as float.
void ReferenceParse(const std::string& fileName, std::vector<float>& values) {
    values.clear();
    std::string text = ReadBytes(fileName);
    for (char& c : text)
        c = c == ',' ? ' ' : c;
    const auto tilt = text.find("TILT=");
    const auto lineEnd = text.find('\n', tilt == std::string::npos ? 0 : tilt);
    if (tilt == std::string::npos || lineEnd == std::string::npos)
        return;
    const char* p = text.c_str() + lineEnd + 1;
    for (char* end = nullptr;; p = end) {
        const double value = std::strtod(p, &end);
        if (end == p)
            break;
        values.push_back(static_cast<float>(value));
    }
}

void ReferenceFile(benchmark::State& state, const std::string& fileName) {
    std::vector<float> values;
    for (auto _ : state) {
        ReferenceParse(fileName, values);
        benchmark::DoNotOptimize(values.data());
        benchmark::ClobberMemory();
    }
    if (values.empty())
        state.SkipWithError("the baseline found no numbers");
    state.counters["values"] = static_cast<double>(values.size());
    state.SetBytesProcessed(state.iterations() *
                            static_cast<std::int64_t>(std::filesystem::file_size(fileName)));
}

void LoadFile(benchmark::State& state, const std::string& fileName) {
    tIES record;
    TextLines fileLines;
    TextLines headerLines;
    bool parseError = false;
    for (auto _ : state) {
        parseError = lumetra::LoadPhotometry(fileName, record, fileLines, headerLines, nullptr);
        benchmark::DoNotOptimize(record.Candela.data());
        benchmark::ClobberMemory();
    }
    if (parseError)
        state.SkipWithError("the file did not read cleanly");
    const auto values = static_cast<std::int64_t>(record.VerticalCount) * record.HorizontalCount;
    state.counters["values"] = static_cast<double>(values);
    state.SetItemsProcessed(state.iterations() * values);
    state.SetBytesProcessed(state.iterations() *
                            static_cast<std::int64_t>(std::filesystem::file_size(fileName)));
}

std::string LargestSample() {
    return std::string(LUMETRA_SAMPLES_DIR) + "/lm1995_263x361_crlf.ies";
}

void BM_LoadLargestSample(benchmark::State& state) {
    LoadFile(state, LargestSample());
}

void BM_BaselineLargestSample(benchmark::State& state) {
    ReferenceFile(state, LargestSample());
}

void BM_BaselineGenerated260k(benchmark::State& state) {
    ReferenceFile(state, Generated().values260k);
}

void BM_BaselineGenerated2600k(benchmark::State& state) {
    ReferenceFile(state, Generated().values2600k);
}

void BM_LoadGenerated260k(benchmark::State& state) {
    LoadFile(state, Generated().values260k);
}

void BM_LoadGenerated2600k(benchmark::State& state) {
    LoadFile(state, Generated().values2600k);
}

BENCHMARK(BM_LoadLargestSample)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(7)
    ->ReportAggregatesOnly();
BENCHMARK(BM_LoadGenerated260k)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(7)
    ->ReportAggregatesOnly();
BENCHMARK(BM_LoadGenerated2600k)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(7)
    ->ReportAggregatesOnly();

BENCHMARK(BM_BaselineLargestSample)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(7)
    ->ReportAggregatesOnly();
BENCHMARK(BM_BaselineGenerated260k)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(7)
    ->ReportAggregatesOnly();
BENCHMARK(BM_BaselineGenerated2600k)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(7)
    ->ReportAggregatesOnly();

} // namespace
