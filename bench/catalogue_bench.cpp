// The catalogue of a folder of 10,000 files, copies of the IES and EULUMDAT samples taken in turn
// under new names: listing the folder, reading and summarising every file on every core through
// the ordered job runner, and writing each row as CSV and JSON (as `lumetra-cli catalogue` does),
// the text thrown away. Wall-clock time: the goal is a complete folder within 2 s on two cores.
// The CPU column is the whole process's CPU time, every worker included: on a shared, busy
// machine the wall-clock time says more about the other programs, and half the CPU time is what
// two idle cores would take at best.
//
// Two folders, as for check_bench: every sample (three quarters of its bytes in the two samples
// of more than a megabyte), and the samples of at most 100 KB, closer to a maker's catalogue.

#include "batch/OrderedJobs.h"
#include "catalogue/CatalogueExport.h"
#include "catalogue/CatalogueModel.h"
#include "catalogue/CatalogueScan.h"
#include "support/TempFolder.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using namespace lumetra::catalogue;

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
struct SampleFolder {
    lumetra::test::TempFolder folder;

    explicit SampleFolder(std::uintmax_t maxSampleBytes) {
        const std::vector<fs::path> samples = Samples(maxSampleBytes);
        for (std::size_t i = 0; i < kFiles; ++i) {
            const fs::path& sample = samples[i % samples.size()];
            fs::copy_file(sample, folder.path() /
                                      ("file" + std::to_string(i) + sample.extension().string()));
        }
    }
};

void CatalogueOnce(benchmark::State& state, const SampleFolder& folder) {
    std::size_t rows = 0;
    std::size_t bytes = 0;
    for (auto _ : state) {
        const auto files = CatalogueFiles(folder.folder.path().string(), false, true);
        rows = ScanCatalogue(files, {}, [&bytes](CatalogueRow&& row) {
            bytes += CsvLine(row).size() + row.jsonText.size();
        });
    }
    if (rows != kFiles)
        state.SkipWithError("not every file became a row");
    benchmark::DoNotOptimize(bytes);
    state.counters["jobs"] = lumetra::batch::DefaultJobs();
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kFiles));
}

void BM_CatalogueTenThousandFiles(benchmark::State& state) {
    static const SampleFolder folder(UINTMAX_MAX);
    CatalogueOnce(state, folder);
}

void BM_CatalogueTenThousandCatalogueFiles(benchmark::State& state) {
    static const SampleFolder folder(kCatalogueSampleBytes);
    CatalogueOnce(state, folder);
}

// The Catalogue window's model as the rows arrive: 10,000 rows (the samples' rows over and over)
// in batches of 250, sorted by a text column, each batch staged, committed and put in place as
// the window does at each poll. Window-thread time.
void BM_CatalogueModelTenThousandRows(benchmark::State& state) {
    constexpr std::size_t kBatch = 250;
    std::vector<CatalogueRow> samples;
    ScanCatalogue(CatalogueFiles(LUMETRA_SAMPLES_DIR, false, false), {},
                  [&samples](CatalogueRow&& row) { samples.push_back(std::move(row)); });
    for (auto _ : state) {
        CatalogueModel model;
        model.SortBy(Column::Luminaire, true);
        for (std::size_t first = 0; first < kFiles; first += kBatch) {
            state.PauseTiming();
            std::vector<CatalogueRow> batch;
            for (std::size_t i = first; i < first + kBatch; ++i) {
                batch.push_back(samples[i % samples.size()]);
                batch.back().file = "file" + std::to_string(i) + ".ies";
            }
            state.ResumeTiming();
            model.Stage(std::move(batch));
            model.Commit();
            model.Resort();
        }
        benchmark::DoNotOptimize(model.View().data());
    }
}

BENCHMARK(BM_CatalogueModelTenThousandRows)->Unit(benchmark::kMillisecond)->Iterations(3);

BENCHMARK(BM_CatalogueTenThousandFiles)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MeasureProcessCPUTime()
    ->Iterations(1)
    ->Repetitions(5)
    ->ReportAggregatesOnly();
BENCHMARK(BM_CatalogueTenThousandCatalogueFiles)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MeasureProcessCPUTime()
    ->Iterations(1)
    ->Repetitions(5)
    ->ReportAggregatesOnly();

} // namespace
