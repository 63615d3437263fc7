#include "CartesianDiagram.h"

#include "CurveClip.h"
#include "DiagramTexts.h"
#include "Frame.h"
#include "Labels.h"
#include "RoundScale.h"
#include "gonio/Pixels.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace lumetra::diagrams {

namespace {

constexpr double kRoundAngles[] = {5, 10, 15, 20, 30, 45, 60, 90, 120, 150, 180};
constexpr int kAngleSteps[] = {1, 2, 5, 10, 15, 30, 45, 60, 90};
constexpr double kLitShare = 0.005;
constexpr int kValueIntervals = 5;
constexpr int kLogDecades = 4;
constexpr Color kAxisColor = Rgb(120, 120, 120);
constexpr Color kGridColor = Rgb(215, 215, 215);
constexpr Color kLevelColor = Rgb(90, 90, 90);

struct Plot {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    AngleRange range;
    RoundScale scale;
    bool logarithmic = false;

    int X(double angle) const {
        return Rnd(left + (angle - range.from) / (range.to - range.from) * (right - left));
    }
    int Y(double value) const {
        double share = 0;
        if (logarithmic)
            share = value <= scale.bottom
                        ? 0
                        : std::log10(value / scale.bottom) / std::log10(scale.top / scale.bottom);
        else
            share = std::max(0.0, value) / scale.top;
        return Rnd(bottom - share * (bottom - top));
    }
};

double RoundAngle(double extent) {
    for (const double angle : kRoundAngles)
        if (extent <= angle + 1e-9)
            return angle;
    return 180;
}

int AngleStep(const AngleRange& range, int wanted) {
    const double span = range.to - range.from;
    if (wanted > 0 && span / wanted <= 12 && span / wanted >= 4)
        return wanted;
    for (const int step : kAngleSteps)
        if (span / step <= 8)
            return step;
    return 90;
}

std::string AngleText(int angle) {
    return std::to_string(angle) + texts::kDegree;
}

// Angle labels hang below the value labels' half height, so "0" and the first angle never meet.
void DrawVerticalGrid(DrawingSurface& surface, LabelPlacer& labels, const Plot& plot, int step,
                      int width) {
    const int top = plot.bottom + surface.MeasureText("0").height / 2 + 1;
    const int first = static_cast<int>(std::ceil(plot.range.from / step)) * step;
    for (int angle = first; angle <= plot.range.to + 1e-9; angle += step) {
        surface.pen = GridPen(width, angle == 0 ? kAxisColor : kGridColor);
        surface.MoveTo(plot.X(angle), plot.top);
        surface.LineTo(plot.X(angle), plot.bottom);
    }
    // Labels after the lines, the ends and 0 first so thinning keeps them.
    const int last = static_cast<int>(std::floor(plot.range.to / step)) * step;
    for (const int angle : {first, last, 0})
        if (angle >= plot.range.from && angle <= plot.range.to)
            labels.Place(AngleText(angle), plot.X(angle), top, HAlign::Centre, VAlign::Top);
    for (int angle = first + step; angle < last; angle += step)
        labels.Place(AngleText(angle), plot.X(angle), top, HAlign::Centre, VAlign::Top);
}

void DrawHorizontalGrid(DrawingSurface& surface, LabelPlacer& labels, const Plot& plot, int width,
                        int gap) {
    for (const double tick : plot.scale.ticks) {
        surface.pen = GridPen(width, tick == plot.scale.ticks.front() ? kAxisColor : kGridColor);
        surface.MoveTo(plot.left, plot.Y(tick));
        surface.LineTo(plot.right, plot.Y(tick));
    }
    for (auto tick = plot.scale.ticks.rbegin(); tick != plot.scale.ticks.rend(); ++tick)
        labels.Place(ValueText(*tick), plot.left - gap, plot.Y(*tick), HAlign::Right,
                     VAlign::Middle);
}

void DrawLevelLines(DrawingSurface& surface, const Plot& plot, const std::vector<LevelMark>& levels,
                    int width) {
    for (const LevelMark& level : levels) {
        if (!(level.value > plot.scale.bottom && level.value <= plot.scale.top))
            continue;
        surface.pen = Pen{kLevelColor, std::max(1, width), PenStyle::Dot};
        surface.MoveTo(plot.left, plot.Y(level.value));
        surface.LineTo(plot.right, plot.Y(level.value));
    }
}

// Whether a curve passes through a box: each drawn segment is sampled finely enough that no
// text-sized box slips between two samples.
bool CurvesCross(const Plot& plot, const std::vector<Series>& series, const TextBox& box) {
    const auto inside = [&box](double x, double y) {
        return x >= box.left && x <= box.Right() && y >= box.top && y <= box.Bottom();
    };
    for (const Series& one : series)
        for (const auto& piece : ClipToAngles(one.points, plot.range.from, plot.range.to))
            for (std::size_t i = 1; i < piece.size(); ++i) {
                const double x0 = plot.X(piece[i - 1].angle), y0 = plot.Y(piece[i - 1].value);
                const double x1 = plot.X(piece[i].angle), y1 = plot.Y(piece[i].value);
                const double length = std::hypot(x1 - x0, y1 - y0);
                const int samples = 1 + static_cast<int>(length / 2);
                for (int k = 0; k <= samples; ++k) {
                    const double t = static_cast<double>(k) / samples;
                    if (inside(x0 + t * (x1 - x0), y0 + t * (y1 - y0)))
                        return true;
                }
            }
    return false;
}

// A level's label above its line at the right end, else at the left end or the middle, the first
// place no curve crosses; drawn after the curves on white, so that no curve runs through its
// text.
void LabelLevels(DrawingSurface& surface, LabelPlacer& labels, const Plot& plot,
                 const std::vector<Series>& series, const std::vector<LevelMark>& levels, int gap) {
    for (const LevelMark& level : levels) {
        if (!(level.value > plot.scale.bottom && level.value <= plot.scale.top))
            continue;
        const TextExtent extent = surface.MeasureText(level.label);
        const int bottom = plot.Y(level.value) - 1;
        const struct {
            int x;
            HAlign align;
            int left;
        } places[] = {{plot.right - gap, HAlign::Right, plot.right - gap - extent.width},
                      {plot.left + gap, HAlign::Left, plot.left + gap},
                      {(plot.left + plot.right) / 2, HAlign::Centre,
                       (plot.left + plot.right - extent.width) / 2}};
        auto chosen = places[0];
        for (const auto& place : places)
            if (!CurvesCross(plot, series,
                             {double(place.left), double(bottom - extent.height),
                              double(extent.width), double(extent.height)})) {
                chosen = place;
                break;
            }
        labels.Place(level.label, chosen.x, bottom, chosen.align, VAlign::Bottom, true);
    }
}

void DrawCurve(DrawingSurface& surface, const Plot& plot, const Series& series, int width) {
    surface.pen = CurvePen(series, width);
    for (const auto& piece : ClipToAngles(series.points, plot.range.from, plot.range.to))
        for (std::size_t i = 0; i < piece.size(); ++i)
            i == 0 ? surface.MoveTo(plot.X(piece[i].angle), plot.Y(piece[i].value))
                   : surface.LineTo(plot.X(piece[i].angle), plot.Y(piece[i].value));
}

RoundScale ValueScale(const std::vector<Series>& series, const AngleRange& range, bool log) {
    const double largest = LargestValue(series, range.from, range.to);
    if (log)
        return LogScale(largest, SmallestPositive(series, range.from, range.to), kLogDecades);
    return LinearScale(largest, kValueIntervals);
}

// The plot's box inside the drawing: titles above and below, value labels on the left.
Plot PlotBox(const DrawingSurface& surface, const Box& drawing, const RoundScale& scale) {
    int widest = 0;
    for (const double tick : scale.ticks)
        widest = std::max(widest, surface.MeasureText(ValueText(tick)).width);
    const TextExtent angle = surface.MeasureText("-180" + std::string(texts::kDegree));
    const int gap = std::max(2, angle.height / 3);
    Plot plot;
    plot.left = drawing.left + widest + gap;
    plot.right = drawing.Right() - angle.width / 2 - 1;
    plot.top = drawing.top + angle.height + angle.height / 2 + gap;
    plot.bottom = drawing.Bottom() - 2 * angle.height - angle.height / 2 - 2 * gap;
    plot.right = std::max(plot.right, plot.left + 1);
    plot.bottom = std::max(plot.bottom, plot.top + 1);
    plot.scale = scale;
    return plot;
}

void PlaceTitles(LabelPlacer& labels, const Box& drawing, const DiagramOptions& options) {
    labels.Place(texts::Words(options.wording, texts::kIntensity) + " (" + options.unit + ")",
                 drawing.left, drawing.top, HAlign::Left, VAlign::Top);
    const std::string axis = options.angleAxis.empty() ? texts::kGammaAxis : options.angleAxis;
    labels.Place(axis, drawing.left + drawing.width / 2, drawing.Bottom(), HAlign::Centre,
                 VAlign::Bottom);
}

} // namespace

AngleRange LitAngles(const std::vector<Series>& series) {
    const double threshold = kLitShare * LargestValue(series, -360, 360);
    double extent = 0;
    bool negative = false;
    for (const Series& one : series)
        for (const CurvePoint& point : one.points) {
            negative = negative || point.angle < 0;
            if (point.value > threshold && std::fabs(point.angle) <= 180)
                extent = std::max(extent, std::fabs(point.angle));
        }
    const double round = RoundAngle(extent);
    return {negative ? -round : 0, round};
}

void DrawCartesianDiagram(DrawingSurface& surface, const Box& picture,
                          const std::vector<Series>& series, const DiagramOptions& options) {
    LabelPlacer labels(surface, picture);
    const Frame frame = DrawFrame(surface, labels, picture, series, options);
    const AngleRange range = LitAngles(series);
    Plot plot = PlotBox(surface, frame.drawing, ValueScale(series, range, options.logarithmic));
    plot.range = range;
    plot.logarithmic = options.logarithmic;
    const int grid = std::max(1, frame.lineWidth / 2);
    const int gap = std::max(2, frame.textPixels / 3);
    PlaceTitles(labels, frame.drawing, options);
    DrawHorizontalGrid(surface, labels, plot, grid, gap);
    DrawVerticalGrid(surface, labels, plot, AngleStep(range, options.angleStep), grid);
    DrawLevelLines(surface, plot, options.levels, grid);
    for (const Series& one : series)
        DrawCurve(surface, plot, one, frame.lineWidth);
    LabelLevels(surface, labels, plot, series, options.levels, gap);
}

} // namespace lumetra::diagrams
