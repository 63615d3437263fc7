#include "PolarDiagram.h"

#include "CurveClip.h"
#include "DiagramTexts.h"
#include "Frame.h"
#include "Labels.h"
#include "RoundScale.h"
#include "gonio/Pixels.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

namespace lumetra::diagrams {

namespace {

constexpr double kDegree = std::numbers::pi / 180;
constexpr int kRings = 5;
constexpr int kRingSegments = 180;
constexpr Color kAxisColor = Rgb(120, 120, 120);
constexpr Color kGridColor = Rgb(205, 205, 205);

struct Polar {
    double cx = 0;
    double cy = 0;
    double radius = 0;
    double from = -180; // the signed angles drawn
    double to = 180;
    int gap = 0;

    // The screen point of a signed angle (0 down, positive to the right) at a distance.
    void Point(double angle, double distance, int& x, int& y) const {
        x = Rnd(cx + distance * std::sin(angle * kDegree));
        y = Rnd(cy + distance * std::cos(angle * kDegree));
    }
};

bool Drawn(const Polar& polar, double angle) {
    if (polar.from < 0 && polar.to > 0)
        return angle >= polar.from && angle <= polar.to;
    return std::fabs(angle) >= 90; // the upper half runs across +-180
}

// The disc (or half disc) with room for the angle labels around it, centred in the drawing.
Polar Layout(const DrawingSurface& surface, const Box& drawing, HalfSpace half) {
    const TextExtent label = surface.MeasureText("180" + std::string(texts::kDegree));
    Polar polar;
    polar.gap = std::max(2, label.height / 3);
    const double side = label.width + polar.gap;
    const double above = label.height + polar.gap;
    const double across = (drawing.width - 2 * side) / 2;
    const double tall = half == HalfSpace::Both ? (drawing.height - 2 * above) / 2
                                                : drawing.height - above - label.height / 2.0;
    polar.radius = std::max(1.0, std::min(across, tall));
    polar.cx = drawing.left + drawing.width / 2.0;
    const double used = half == HalfSpace::Both ? 0 : polar.radius + above + label.height / 2.0;
    if (half == HalfSpace::Both)
        polar.cy = drawing.top + drawing.height / 2.0;
    else if (half == HalfSpace::Lower)
        polar.cy = drawing.top + (drawing.height - used) / 2 + label.height / 2.0;
    else
        polar.cy = drawing.Bottom() - (drawing.height - used) / 2 - label.height / 2.0;
    polar.from = half == HalfSpace::Lower ? -90 : (half == HalfSpace::Upper ? 90 : -180);
    polar.to = half == HalfSpace::Lower ? 90 : 180;
    return polar;
}

void DrawArc(DrawingSurface& surface, const Polar& polar, double distance) {
    bool moved = false;
    for (int i = 0; i <= kRingSegments; ++i) {
        const double angle = -180 + 360.0 * i / kRingSegments;
        if (!Drawn(polar, angle)) {
            moved = false;
            continue;
        }
        int x = 0;
        int y = 0;
        polar.Point(angle, distance, x, y);
        moved ? surface.LineTo(x, y) : surface.MoveTo(x, y);
        moved = true;
    }
}

// Angles with labels every step, the axes first so that thinning never drops them.
std::vector<int> LabelledAngles(const Polar& polar, int step) {
    std::vector<int> angles;
    for (const int axis : {0, 90, -90, 180})
        if (Drawn(polar, axis))
            angles.push_back(axis);
    for (int angle = -180 + step; angle < 180; angle += step)
        if (angle % 90 != 0 && Drawn(polar, angle))
            angles.push_back(angle);
    return angles;
}

void DrawSpokes(DrawingSurface& surface, const Polar& polar, int step, int width) {
    for (int angle = -180 + step; angle <= 180; angle += step) {
        if (!Drawn(polar, angle))
            continue;
        surface.pen = GridPen(width, angle % 90 == 0 ? kAxisColor : kGridColor);
        int x = 0;
        int y = 0;
        surface.MoveTo(Rnd(polar.cx), Rnd(polar.cy));
        polar.Point(angle, polar.radius, x, y);
        surface.LineTo(x, y);
    }
}

void PlaceAngleLabels(LabelPlacer& labels, const Polar& polar, int step) {
    for (const int angle : LabelledAngles(polar, step)) {
        int x = 0;
        int y = 0;
        polar.Point(angle, polar.radius + polar.gap, x, y);
        const double sx = std::sin(angle * kDegree);
        const double sy = std::cos(angle * kDegree);
        const HAlign h = sx > 0.2 ? HAlign::Left : (sx < -0.2 ? HAlign::Right : HAlign::Centre);
        const VAlign v = sy > 0.2 ? VAlign::Top : (sy < -0.2 ? VAlign::Bottom : VAlign::Middle);
        labels.Place(std::to_string(std::abs(angle)) + texts::kDegree, x, y, h, v);
    }
}

// Ring values just inside their rings up the upward axis, or along the right half of the horizontal
// one for the lower half; the outermost first, with the unit.
void PlaceRingLabels(LabelPlacer& labels, const Polar& polar, const RoundScale& scale,
                     const std::string& unit) {
    for (std::size_t i = scale.ticks.size() - 1; i > 0; --i) {
        const double distance = polar.radius * scale.ticks[i] / scale.top;
        std::string text = ValueText(scale.ticks[i]);
        if (i + 1 == scale.ticks.size())
            text += " " + unit;
        if (polar.from == -90)
            labels.Place(text, Rnd(polar.cx + distance) - polar.gap, Rnd(polar.cy) + polar.gap,
                         HAlign::Right, VAlign::Top, true);
        else
            labels.Place(text, Rnd(polar.cx) + polar.gap, Rnd(polar.cy - distance) + 1,
                         HAlign::Left, VAlign::Top, true);
    }
}

// The curve's pieces inside the drawn angles; the upper half runs across +-180.
std::vector<std::vector<CurvePoint>> DrawnPieces(const Polar& polar, const Series& series) {
    if (polar.from != 90)
        return ClipToAngles(series.points, polar.from, polar.to);
    auto pieces = ClipToAngles(series.points, 90, 180);
    for (auto& piece : ClipToAngles(series.points, -180, -90))
        pieces.push_back(std::move(piece));
    return pieces;
}

void DrawCurve(DrawingSurface& surface, const Polar& polar, const Series& series, double top,
               int width) {
    surface.pen = CurvePen(series, width);
    for (const auto& piece : DrawnPieces(polar, series))
        for (std::size_t i = 0; i < piece.size(); ++i) {
            int x = 0;
            int y = 0;
            polar.Point(piece[i].angle, polar.radius * std::max(0.0, piece[i].value) / top, x, y);
            i == 0 ? surface.MoveTo(x, y) : surface.LineTo(x, y);
        }
}

double LargestDrawn(const std::vector<Series>& series, const Polar& polar) {
    if (polar.from == 90)
        return std::max(LargestValue(series, 90, 180), LargestValue(series, -180, -90));
    return LargestValue(series, polar.from, polar.to);
}

} // namespace

void DrawPolarDiagram(DrawingSurface& surface, const Box& picture,
                      const std::vector<Series>& series, const DiagramOptions& options) {
    LabelPlacer labels(surface, picture);
    const Frame frame = DrawFrame(surface, labels, picture, series, options);
    const Polar polar = Layout(surface, frame.drawing, options.half);
    const int step = std::clamp(options.angleStep, 5, 90);
    const RoundScale scale = LinearScale(LargestDrawn(series, polar), kRings);
    const int grid = std::max(1, frame.lineWidth / 2);
    surface.pen = GridPen(grid, kGridColor);
    for (std::size_t i = 1; i < scale.ticks.size(); ++i)
        DrawArc(surface, polar, polar.radius * scale.ticks[i] / scale.top);
    DrawSpokes(surface, polar, step, grid);
    PlaceAngleLabels(labels, polar, step);
    PlaceRingLabels(labels, polar, scale, options.unit);
    for (const Series& one : series)
        DrawCurve(surface, polar, one, scale.top, frame.lineWidth);
}

HalfSpace LitHalf(const std::vector<Series>& series) {
    const double below = LargestValue(series, -90, 90);
    const double above = std::max(LargestValue(series, 90, 180), LargestValue(series, -180, -90));
    // Values exactly at 90 degrees belong to both halves; only a clear difference picks one.
    const double belowOnly = std::max(LargestValue(series, -89.999, 89.999), 0.0);
    const double aboveOnly =
        std::max(LargestValue(series, 90.001, 180), LargestValue(series, -180, -90.001));
    if (belowOnly >= 10 * aboveOnly && below > 0)
        return HalfSpace::Lower;
    if (aboveOnly >= 10 * belowOnly && above > 0)
        return HalfSpace::Upper;
    return HalfSpace::Both;
}

} // namespace lumetra::diagrams
