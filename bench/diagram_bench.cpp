// The Diagrams window's pictures at 1000 x 800: the photometric solid turned by one step (the
// mesh built once, as the window keeps it), building the mesh, and the polar, cartesian and
// isocandela diagrams, each on a QImage as the window draws them. A solid frame under 16 ms
// follows the mouse at 60 frames a second.

#include "diagrams/Diagram.h"
#include "eulumdat/PhotometryFile.h"
#include "surface/DiagramExport.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <cstdlib>

namespace {

using namespace lumetra;

struct Loaded {
    tIES record;
    LuminaireFacts facts;
};

const Loaded& Sample() {
    static const Loaded sample = [] {
        Loaded loaded;
        TextLines lines, header;
        LoadPhotometryFile(
            std::string(LUMETRA_SAMPLES_DIR) + "/lm1995_roadway_361x73_crlf.ies", loaded.record,
            lines, header, [](const Message&) {}, loaded.facts);
        return loaded;
    }();
    return sample;
}

constexpr QSize kPicture{1000, 800};

void BM_SolidFrame(benchmark::State& state) {
    const diagrams::DiagramData data(Sample().record, Sample().facts);
    const diagrams::SolidMesh mesh = diagrams::BuildSolid(data, diagrams::IntensityUnit::Candela);
    diagrams::DiagramRequest request;
    request.kind = diagrams::DiagramKind::Solid;
    for (auto _ : state) {
        request.azimuth += 5;
        benchmark::DoNotOptimize(DiagramImage(kPicture, data, request, 1, &mesh));
    }
}
BENCHMARK(BM_SolidFrame)->Unit(benchmark::kMillisecond);

void BM_SolidMesh(benchmark::State& state) {
    const diagrams::DiagramData data(Sample().record, Sample().facts);
    for (auto _ : state)
        benchmark::DoNotOptimize(diagrams::BuildSolid(data, diagrams::IntensityUnit::Candela));
}
BENCHMARK(BM_SolidMesh)->Unit(benchmark::kMillisecond);

void BM_Picture(benchmark::State& state, diagrams::DiagramKind kind) {
    const diagrams::DiagramData data(Sample().record, Sample().facts);
    diagrams::DiagramRequest request;
    request.kind = kind;
    for (auto _ : state)
        benchmark::DoNotOptimize(DiagramImage(kPicture, data, request));
}
BENCHMARK_CAPTURE(BM_Picture, Polar, diagrams::DiagramKind::Polar)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Picture, Cartesian, diagrams::DiagramKind::Cartesian)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Picture, Isocandela, diagrams::DiagramKind::Isocandela)
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
