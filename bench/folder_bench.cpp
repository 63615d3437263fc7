// Start-up of the windows in a folder of a hundred thousand photometric files, and switching to
// that folder in the folder list: the time until the main window is shown with its file list
// filled, and the memory it keeps per file.

#include "BenchWindows.h"
#include "support/TempFolder.h"
#include "ui/DesignFont.h"
#include "ui/FolderEntries.h"

#include <QApplication>
#include <QDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <malloc.h>
#include <memory>
#include <unistd.h>

namespace {

constexpr int kFiles = 100'000;

// Names as manufacturers give them: a product code, a variant and a wattage.
const lumetra::test::TempFolder& BigFolder() {
    static const lumetra::test::TempFolder folder;
    static const bool written = [] {
        char name[64];
        for (int i = 0; i < kFiles; ++i) {
            std::snprintf(name, sizeof name, "LX-%05d_%s_%dW.ies", i, i % 3 ? "wide" : "narrow",
                          10 + i % 90);
            const int fd = ::open((folder.path() / name).c_str(), O_CREAT | O_WRONLY, 0644);
            if (fd >= 0)
                ::close(fd);
        }
        return true;
    }();
    (void)written;
    return folder;
}

// Small blocks and the large ones malloc maps on their own.
std::size_t HeapInUse() {
    const struct mallinfo2 heap = mallinfo2();
    return heap.uordblks + heap.hblkhd;
}

void BM_StartInBigFolder(benchmark::State& state) {
    QDir::setCurrent(QString::fromStdString(BigFolder().path().string()));
    double bytesPerFile = 0;
    for (auto _ : state) {
        const std::size_t before = HeapInUse();
        auto windows = std::make_unique<lumetra::bench::ViewerWindows>();
        bytesPerFile = (static_cast<double>(HeapInUse()) - static_cast<double>(before)) / kFiles;
        benchmark::DoNotOptimize(windows->main.FileListBox1->count());
        state.PauseTiming();
        windows.reset();
        state.ResumeTiming();
    }
    state.counters["heap_bytes_per_file"] = bytesPerFile;
}
BENCHMARK(BM_StartInBigFolder)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_StartInEmptyFolder(benchmark::State& state) {
    const lumetra::test::TempFolder empty;
    QDir::setCurrent(QString::fromStdString(empty.path().string()));
    double bytes = 0;
    for (auto _ : state) {
        const std::size_t before = HeapInUse();
        auto windows = std::make_unique<lumetra::bench::ViewerWindows>();
        bytes = static_cast<double>(HeapInUse()) - static_cast<double>(before);
        state.PauseTiming();
        windows.reset();
        state.ResumeTiming();
    }
    // What the windows keep whatever the folder: the part of the big folder's heap that is not
    // per file at all.
    state.counters["heap_bytes"] = bytes;
}
BENCHMARK(BM_StartInEmptyFolder)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ListBigFolder(benchmark::State& state) {
    const std::string big = BigFolder().path().string();
    for (auto _ : state)
        benchmark::DoNotOptimize(lumetra::ListFolder(big, lumetra::EntryKind::PhotometricFiles));
}
BENCHMARK(BM_ListBigFolder)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_SwitchToBigFolder(benchmark::State& state) {
    const lumetra::test::TempFolder small;
    QDir::setCurrent(QString::fromStdString(small.path().string()));
    lumetra::bench::ViewerWindows windows;
    const std::string big = BigFolder().path().string();
    for (auto _ : state) {
        windows.main.DirectoryListBox1->SetDirectoryPath(big);
        QApplication::processEvents();
        benchmark::DoNotOptimize(windows.main.FileListBox1->count());
        state.PauseTiming();
        windows.main.DirectoryListBox1->SetDirectoryPath(small.path().string());
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_SwitchToBigFolder)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    QApplication::setFont(lumetra::DesignFont());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
