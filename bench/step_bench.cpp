// Stepping from file to file as the Down key does in the file list, in a folder of every IES and
// EULUMDAT sample: each step lasts until the goniogram is drawn, the Properties window's tabs are
// filled and, with automatic update on, the light pattern is rendered. The goal is one frame at
// 60 Hz (16 ms) for the 99th percentile of the steps, the largest sample included; the counters
// give the median, the 99th percentile and the slowest step of the wall-clock time, and the same
// of the window thread's CPU time, which a shared, busy machine disturbs far less. Automatic
// update is on, so every step with the render window shown asks for a pass.
//
// Two paces: steps back to back, each the moment the last ended, and steps at a keyboard's
// repeat rate (30 a second), the event loop running between them as it does while a key is
// held; work left to other threads (the render, the Properties text, the next file read ahead)
// then has that time to finish, as it has for the person stepping.

#include "BenchWindows.h"
#include "support/TempFolder.h"
#include "ui/DesignFont.h"
#include "ui/MessageBox.h"

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <thread>
#include <vector>

namespace {

namespace fs = std::filesystem;

// Every sample of both sample folders, side by side in one folder.
const lumetra::test::TempFolder& SampleFolder() {
    static const lumetra::test::TempFolder folder;
    static const bool copied = [] {
        for (const char* source : {LUMETRA_SAMPLES_DIR, LUMETRA_LDT_SAMPLES_DIR})
            for (const auto& entry : fs::directory_iterator(source))
                if (entry.is_regular_file() && entry.path().extension() != ".md")
                    fs::copy_file(entry.path(), folder.path() / entry.path().filename(),
                                  fs::copy_options::skip_existing);
        return true;
    }();
    (void)copied;
    return folder;
}

// One step: Down in the file list (back to the first file after the last), then what the step
// shows, drawn now rather than at the next paint event.
void StepDown(lumetra::bench::ViewerWindows& windows) {
    lumetra::TFileListBox& files = *windows.main.FileListBox1;
    if (files.currentIndex().row() + 1 >= files.count()) {
        files.SelectRow(0);
    } else {
        QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
        QApplication::sendEvent(&files, &down);
    }
    QApplication::processEvents();
    windows.main.PaintBox1->repaint();
    windows.properties.repaint();
}

// CPU time of the calling thread (the windows' thread), ms.
double ThreadCpuMs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1000 + static_cast<double>(now.tv_nsec) / 1e6;
}

double Percentile(std::vector<double> values, double fraction) {
    std::sort(values.begin(), values.end());
    const auto index = static_cast<std::size_t>(fraction * static_cast<double>(values.size() - 1));
    return values[index];
}

// The event loop between two steps at the keyboard's repeat rate.
void IdleUntilNextKey() {
    constexpr auto kRepeat = std::chrono::milliseconds(33);
    const auto until = std::chrono::steady_clock::now() + kRepeat;
    while (std::chrono::steady_clock::now() < until) {
        QApplication::processEvents();
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

void StepThroughSamples(benchmark::State& state, bool atKeyRepeat) {
    QDir::setCurrent(QString::fromStdString(SampleFolder().path().string()));
    lumetra::bench::ViewerWindows windows;
    windows.main.SpeedButtonUpdate->setChecked(true); // automatic update on
    windows.render.show();
    windows.properties.Open();
    QApplication::processEvents();
    windows.main.FileListBox1->setFocus();
    std::vector<double> steps;
    std::vector<double> cpu;
    for (auto _ : state) {
        if (atKeyRepeat) {
            state.PauseTiming();
            IdleUntilNextKey();
            state.ResumeTiming();
        }
        const auto start = std::chrono::steady_clock::now();
        const double cpuStart = ThreadCpuMs();
        StepDown(windows);
        cpu.push_back(ThreadCpuMs() - cpuStart);
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        state.SetIterationTime(took.count());
        steps.push_back(took.count() * 1000);
    }
    state.counters["files"] = windows.main.FileListBox1->count();
    state.counters["median_ms"] = Percentile(steps, 0.5);
    state.counters["p99_ms"] = Percentile(steps, 0.99);
    state.counters["max_ms"] = Percentile(steps, 1.0);
    state.counters["cpu_median_ms"] = Percentile(cpu, 0.5);
    state.counters["cpu_p99_ms"] = Percentile(cpu, 0.99);
    state.counters["cpu_max_ms"] = Percentile(cpu, 1.0);
}
void BM_StepThroughSamples(benchmark::State& state) {
    StepThroughSamples(state, false);
}

void BM_StepThroughSamplesAtKeyRepeat(benchmark::State& state) {
    StepThroughSamples(state, true);
}

BENCHMARK(BM_StepThroughSamples)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(140);
BENCHMARK(BM_StepThroughSamplesAtKeyRepeat)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(140);

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    QApplication::setFont(lumetra::DesignFont());
    // A sample the reader refuses is reported in a message box; here it must not wait for a click.
    lumetra::SetMessageBoxHook([](const QString&) {});
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
