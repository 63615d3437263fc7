// The goniogram of a loaded file: grid, scale and curves at its planes (all of them when few,
// an even spread otherwise), fit and orthogonal toggles in every combination, on an empty, a
// square and an oblong paint area. Drawing may never fail on a plane of the record, must hold
// the canvas lock throughout and must put back the pen, brush and font it found.

#include "CheckingSurface.h"
#include "PlaneChoice.h"
#include "ViewerLoad.h"
#include "gonio/Goniogram.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {

using namespace lumetra;
using namespace lumetra::fuzz;

struct AreaSize {
    int width;
    int height;
};
constexpr AreaSize kAreas[] = {{0, 0}, {196, 196}, {641, 480}};
constexpr std::size_t kMostPlanes = 16;
// Values drawn per input at most (roughly): keeps a file that declares 65535 angles per plane
// from drawing millions of points on each input.
constexpr std::size_t kValueBudget = 400'000;

void DrawOnce(CheckingSurface& canvas, AreaSize area, const tIES& record, const GonioView& view) {
    ShowGrid(canvas, area.width, area.height);
    FUZZ_CHECK(canvas.lockDepth == 0, "the grid takes no lock");
    const Pen pen = canvas.pen;
    const Brush brush = canvas.brush;
    const Font font = canvas.font;
    canvas.lockRequired = true;
    DrawIES(canvas, area.width, area.height, record, view);
    canvas.lockRequired = false;
    FUZZ_CHECK(canvas.lockDepth == 0, "the lock is released");
    FUZZ_CHECK(canvas.pen == pen, "the pen is put back");
    FUZZ_CHECK(canvas.brush == brush, "the brush is put back");
    FUZZ_CHECK(canvas.font == font, "the font is put back");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const ViewerLoad load = LoadBytes(bytes);
    const tIES& record = load.record;

    // The plane selector only offers planes of a successful load; after a failed one the viewer
    // still paints plane 0 while the file stays selected.
    const std::size_t passes = 4 * std::size(kAreas) * 2;
    const std::size_t most =
        PlanesWithinBudget(record.VerticalAngles.size(), passes, kValueBudget, kMostPlanes);
    std::vector<int> planes =
        ChoosePlanes(record.HorizontalAngles.size(), most, size > 0 ? data[size - 1] : 0);
    if (planes.empty())
        planes.push_back(0);

    CheckingSurface canvas;
    for (const int plane : planes)
        for (const bool fit : {false, true})
            for (const bool ortho : {false, true})
                for (const AreaSize area : kAreas) {
                    GonioView view;
                    view.plane = plane;
                    view.fit = fit;
                    view.ortho = ortho;
                    view.globalMaxCandela = load.globalMax;
                    view.decimalSeparator = plane % 2 == 0 ? "." : ",";
                    DrawOnce(canvas, area, record, view);
                }
    return 0;
}
