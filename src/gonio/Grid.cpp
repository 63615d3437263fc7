#include "Goniogram.h"
#include "Pixels.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace lumetra {

namespace {

constexpr Color kGridColor = Rgb(128, 128, 128);

// Spokes every 10 degrees from the inner circle out to the ellipse inscribed in the area; the
// one at 360 repeats the one at 0.
void DrawSpokes(DrawingSurface& canvas, int cx, int cy, int innerRadius) {
    for (int degrees = 0; degrees <= 360; degrees += 10) {
        const long double phi = degrees * std::numbers::pi_v<long double> / 180;
        const long double c = std::cos(phi);
        const long double s = std::sin(phi);
        canvas.MoveTo(Rnd(c * innerRadius + cx), Rnd(s * innerRadius + cy));
        canvas.LineTo(Rnd(c * cx + cx), Rnd(s * cy + cy));
    }
}

} // namespace

void ShowGrid(DrawingSurface& canvas, int width, int height) {
    const int cx = width / 2;
    const int cy = height / 2;
    // The larger half-size, so a non-square area gets the radius of its longer side.
    const int innerRadius = Rnd(0.1L * std::max(cx, cy));

    const Color penColor = canvas.pen.color;
    canvas.brush.color = kClBtnFace;
    canvas.pen.color = kGridColor;

    canvas.Rectangle(0, 0, width, height);
    canvas.Ellipse(cx - innerRadius, cy - innerRadius, cx + innerRadius, cy + innerRadius);
    canvas.MoveTo(0, cy);
    canvas.LineTo(2 * cx, cy);
    canvas.MoveTo(cx, 0);
    canvas.LineTo(cx, 2 * cy);
    DrawSpokes(canvas, cx, cy, innerRadius);

    canvas.pen.color = penColor;
}

} // namespace lumetra
