#include "Curves.h"

#include "CanvasLock.h"
#include "Goniogram.h"
#include "Pixels.h"
#include "Scale.h"
#include "data/Errors.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

namespace lumetra {

namespace {

constexpr int kMargin = 10;
constexpr int kCurveWidth = 2;
constexpr Color kMainPairColor = Rgb(255, 0, 0);
constexpr Color kOrthogonalPairColor = Rgb(200, 128, 128);
// Beyond this many peaks from the centre a point is off any surface anyway; the cap keeps a huge
// negative value over a tiny peak from overflowing.
constexpr long double kFarthestRatio = 1e12L;

struct PlanePair {
    int right = 0;
    int left = 0;
};

// side is -1 for the right-hand plane and +1 for the left-hand one.
void DrawHalf(DrawingSurface& canvas, const tArrEx& verticalAngles, const tArrEx& values,
              const CurveFrame& frame, int side) {
    const std::size_t count = std::min(values.size(), verticalAngles.size());
    for (std::size_t k = 0; k < count; ++k) {
        const long double theta = verticalAngles[k] * std::numbers::pi_v<long double> / 180 +
                                  std::numbers::pi_v<long double> / 2;
        const long double ratio =
            std::clamp(values[k] / frame.scalePeak, -kFarthestRatio, kFarthestRatio);
        const int x = Rnd(frame.cx + side * std::cos(theta) * (frame.rx * ratio));
        const int y = Rnd(frame.cy + std::sin(theta) * (frame.ry * ratio));
        if (k == 0)
            canvas.MoveTo(x, y);
        canvas.LineTo(x, y);
    }
}

void CheckPlane(const tIES& record, int plane) {
    const std::size_t planes = std::min(record.Candela.size(), record.HorizontalAngles.size());
    if (plane < 0 || static_cast<std::size_t>(plane) >= planes)
        throw LumetraError("Plane " + std::to_string(plane) + " is out of range (0 to " +
                           std::to_string(static_cast<long long>(planes) - 1) + ")");
}

// A peak that scales curves: positive and finite.
bool CanScale(long double peak) {
    return std::isfinite(peak) && peak > 0;
}

void DrawPair(DrawingSurface& canvas, const tIES& record, PlanePair pair, const CurveFrame& frame,
              Color color) {
    canvas.pen.color = color;
    DrawPlanePair(canvas, record.VerticalAngles, PlaneOf(record, pair.right),
                  PlaneOf(record, pair.left), frame);
}

} // namespace

void DrawPlanePair(DrawingSurface& canvas, const tArrEx& verticalAngles, const tArrEx* a,
                   const tArrEx* b, const CurveFrame& frame) {
    if (a != nullptr)
        DrawHalf(canvas, verticalAngles, *a, frame, -1);
    if (b != nullptr)
        DrawHalf(canvas, verticalAngles, *b, frame, +1);
}

namespace {

// The peak the curves are scaled to: the global one, or in fit mode that of the drawn planes.
long double ScalePeak(const tIES& record, const GonioView& view, PlanePair main,
                      const std::optional<PlanePair>& orthogonal) {
    if (!view.fit)
        return view.globalMaxCandela;
    const auto peak =
        orthogonal ? FitPeak(record, {main.right, main.left, orthogonal->right, orthogonal->left})
                   : FitPeak(record, {main.right, main.left});
    return peak.value_or(0);
}

} // namespace

void DrawIES(DrawingSurface& canvas, int width, int height, const tIES& record,
             const GonioView& view) {
    CanvasLock lock(canvas);
    if (record.Candela.empty())
        return;
    CheckPlane(record, view.plane);

    const tArrEx& angles = record.HorizontalAngles;
    const PlanePair main{view.plane, OppositePlane(angles, view.plane)};
    const int cx = width / 2;
    const int cy = height / 2;
    std::optional<PlanePair> orthogonal;
    if (view.plane == 0 && view.ortho) {
        const int j = OrthogonalPlane(angles);
        orthogonal = PlanePair{j, OppositePlane(angles, j)};
    }

    const long double scalePeak = ScalePeak(record, view, main, orthogonal);

    const Color penColor = canvas.pen.color;
    DrawScale(canvas, scalePeak, cx, cy, kMargin, angles[static_cast<std::size_t>(view.plane)],
              view.decimalSeparator, view.wording);

    const PenStyle penStyle = canvas.pen.style;
    const int penWidth = canvas.pen.width;
    canvas.pen.width = kCurveWidth;
    // Curves need a positive peak; without one the captions alone say what the file holds.
    if (CanScale(scalePeak)) {
        const CurveFrame frame{cx, cy, static_cast<long double>(cx) - kMargin,
                               static_cast<long double>(cy) - kMargin, scalePeak};
        if (orthogonal)
            DrawPair(canvas, record, *orthogonal, frame, kOrthogonalPairColor);
        DrawPair(canvas, record, main, frame, kMainPairColor);
    }
    canvas.pen.style = penStyle;
    canvas.pen.width = penWidth;
    canvas.pen.color = penColor;
}

} // namespace lumetra
