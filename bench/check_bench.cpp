// lumetra-cli check over a folder of 10,000 files, copies of the IES and EULUMDAT samples taken in
// turn under new names, so that the folder holds the samples' mix of forms and faults. The whole
// command runs (walking the folder, reading, checking, writing the report), with the report going
// to /dev/null. Each folder is checked with --jobs 1 and --jobs 2 (the argument), timed by the wall
// clock: the goal is the throughput of two jobs at least 1.7 times that of one. The CPU column is
// the whole process's, every job included.
//
// Two folders: every sample (about 490 MB, three quarters of it the two samples of more than a
// megabyte), and the samples of at most 100 KB (about 80 MB), closer to a catalogue of luminaires.

#include "cli/Commands.h"
#include "support/TempFolder.h"

#include <QStringList>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

constexpr std::size_t kFiles = 10'000;
constexpr std::uintmax_t kCatalogueSampleBytes = 100'000;

std::vector<fs::path> Samples(std::uintmax_t maxBytes) {
    std::vector<fs::path> samples;
    for (const char* folder : {LUMETRA_SAMPLES_DIR, LUMETRA_LDT_SAMPLES_DIR})
        for (const auto& entry : fs::directory_iterator(folder))
            if ((entry.path().extension() == ".ies" || entry.path().extension() == ".ldt") &&
                entry.file_size() <= maxBytes)
                samples.push_back(entry.path());
    std::sort(samples.begin(), samples.end());
    if (samples.empty())
        throw std::runtime_error("no samples found");
    return samples;
}

// A folder that lives for the whole run and is removed at its end.
struct CheckFolder {
    lumetra::test::TempFolder folder;
    std::uintmax_t bytes = 0;

    explicit CheckFolder(std::uintmax_t maxSampleBytes) {
        const std::vector<fs::path> samples = Samples(maxSampleBytes);
        for (std::size_t i = 0; i < kFiles; ++i) {
            const fs::path& sample = samples[i % samples.size()];
            const fs::path copy =
                folder.path() / ("file" + std::to_string(i) + sample.extension().string());
            fs::copy_file(sample, copy);
            bytes += fs::file_size(copy);
        }
    }
};

const CheckFolder& EverySample() {
    static const CheckFolder folder(UINTMAX_MAX);
    return folder;
}

const CheckFolder& CatalogueSamples() {
    static const CheckFolder folder(kCatalogueSampleBytes);
    return folder;
}

void CheckFolderOnce(benchmark::State& state, const CheckFolder& folder) {
    const QStringList arguments{"--jobs", QString::number(state.range(0)),
                                QString::fromStdString(folder.folder.path().string())};
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> devNull(std::fopen("/dev/null", "w"),
                                                                  std::fclose);
    if (!devNull) {
        state.SkipWithError("cannot open /dev/null");
        return;
    }
    int status = 0;
    for (auto _ : state)
        status = lumetra::cli::RunCheck(arguments, devNull.get());
    if (status != 1) // the samples include broken files, whose errors make the status 1
        state.SkipWithError("check did not report the samples' errors");
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kFiles));
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(folder.bytes));
}

void BM_CheckTenThousandFiles(benchmark::State& state) {
    CheckFolderOnce(state, EverySample());
}

void BM_CheckTenThousandCatalogueFiles(benchmark::State& state) {
    CheckFolderOnce(state, CatalogueSamples());
}

BENCHMARK(BM_CheckTenThousandFiles)
    ->ArgName("jobs")
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MeasureProcessCPUTime()
    ->Iterations(1)
    ->Repetitions(5)
    ->ReportAggregatesOnly();
BENCHMARK(BM_CheckTenThousandCatalogueFiles)
    ->ArgName("jobs")
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MeasureProcessCPUTime()
    ->Iterations(1)
    ->Repetitions(5)
    ->ReportAggregatesOnly();

} // namespace
