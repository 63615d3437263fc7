#include "IsocandelaDiagram.h"

#include "DiagramTexts.h"
#include "Frame.h"
#include "Labels.h"
#include "RoundScale.h"
#include "contours/Contours.h"
#include "gonio/Pixels.h"

#include <algorithm>
#include <cmath>

namespace lumetra::diagrams {

namespace {

constexpr int kLevels = 8;
constexpr int kLabelsPerLevel = 3;
constexpr double kLabelSpots[] = {0.5, 0.25, 0.75, 0.1, 0.9, 0.4, 0.6};
constexpr Color kGridColor = Rgb(215, 215, 215);
constexpr Color kAxisColor = Rgb(120, 120, 120);

struct Chart {
    int left = 0, top = 0, right = 0, bottom = 0;
    const IntensityMap* map = nullptr;

    int X(double column) const {
        return Rnd(left + column / double(map->grid.columns - 1) * (right - left));
    }
    int Y(double row) const {
        const double share = row / double(map->grid.rows - 1);
        return Rnd(top + (map->upward ? 1 - share : share) * (bottom - top));
    }
    int XAt(double angle) const {
        return Rnd(left + (angle - map->xFrom) / (map->xTo - map->xFrom) * (right - left));
    }
    int YAt(double angle) const {
        return Y((angle - map->yFrom) / (map->yTo - map->yFrom) * double(map->grid.rows - 1));
    }
};

// Blue for the lowest level to red for the highest, dark enough to read on white.
Color LevelColor(std::size_t index, std::size_t count) {
    const double t = count > 1 ? double(index) / double(count - 1) : 1.0;
    return Rgb(static_cast<unsigned>(20 + 200 * t), static_cast<unsigned>(60 + 60 * (1 - t) * t),
               static_cast<unsigned>(200 - 180 * t));
}

int AngleStep(double span) {
    for (const int step : {5, 10, 15, 30, 45, 60, 90})
        if (span / step <= 8)
            return step;
    return 90;
}

Chart ChartBox(const DrawingSurface& surface, const Box& drawing) {
    const TextExtent label = surface.MeasureText("-180" + std::string(texts::kDegree));
    const int gap = std::max(2, label.height / 3);
    Chart chart;
    chart.left = drawing.left + label.width + gap;
    chart.right = std::max(chart.left + 1, drawing.Right() - label.width / 2 - 1);
    chart.top = drawing.top + label.height + label.height / 2 + gap;
    chart.bottom = std::max(chart.top + 1, drawing.Bottom() - 2 * label.height - 2 * gap);
    return chart;
}

void DrawAxes(DrawingSurface& surface, LabelPlacer& labels, const Chart& chart, int width) {
    const IntensityMap& map = *chart.map;
    const int gap = std::max(2, surface.MeasureText("0").height / 3);
    const int xStep = AngleStep(map.xTo - map.xFrom);
    for (double a = std::ceil(map.xFrom / xStep) * xStep; a <= map.xTo + 1e-9; a += xStep) {
        surface.pen = GridPen(width, kGridColor);
        surface.MoveTo(chart.XAt(a), chart.top);
        surface.LineTo(chart.XAt(a), chart.bottom);
        labels.Place(AngleNumber(a) + texts::kDegree, chart.XAt(a), chart.bottom + gap,
                     HAlign::Centre, VAlign::Top);
    }
    const int yStep = AngleStep(map.yTo - map.yFrom);
    for (double a = std::ceil(map.yFrom / yStep) * yStep; a <= map.yTo + 1e-9; a += yStep) {
        surface.pen = GridPen(width, kGridColor);
        surface.MoveTo(chart.left, chart.YAt(a));
        surface.LineTo(chart.right, chart.YAt(a));
        labels.Place(AngleNumber(a) + texts::kDegree, chart.left - gap, chart.YAt(a), HAlign::Right,
                     VAlign::Middle);
    }
    surface.pen = GridPen(width, kAxisColor);
    surface.brush = Brush{Rgb(255, 255, 255), BrushStyle::Clear};
    surface.Rectangle(chart.left, chart.top, chart.right + 1, chart.bottom + 1);
}

using Line = std::vector<contours::Point>;

void DrawLine(DrawingSurface& surface, const Chart& chart, const Line& line) {
    for (std::size_t i = 0; i < line.size(); ++i)
        i == 0 ? surface.MoveTo(chart.X(line[i].x), chart.Y(line[i].y))
               : surface.LineTo(chart.X(line[i].x), chart.Y(line[i].y));
}

// The lines of a level in grid units (column, row), closed ones ending where they began.
std::vector<Line> LevelLines(const SampleGrid& grid, double level) {
    std::vector<double> xs(grid.columns);
    std::vector<double> ys(grid.rows);
    for (std::size_t i = 0; i < xs.size(); ++i)
        xs[i] = static_cast<double>(i);
    for (std::size_t i = 0; i < ys.size(); ++i)
        ys[i] = static_cast<double>(i);
    std::vector<Line> lines;
    for (contours::ContourLine& line : contours::Contours({xs, ys, grid.values}, level)) {
        if (line.closed && !line.points.empty())
            line.points.push_back(line.points.front());
        lines.push_back(std::move(line.points));
    }
    return lines;
}

// One label on each of the longest lines of a level, at the first free spot along it.
void LabelLevel(LabelPlacer& labels, const Chart& chart, std::vector<Line> lines,
                const std::string& text) {
    std::sort(lines.begin(), lines.end(),
              [](const Line& a, const Line& b) { return a.size() > b.size(); });
    int placed = 0;
    for (const Line& line : lines) {
        if (placed == kLabelsPerLevel || line.size() < 8)
            return;
        for (const double spot : kLabelSpots) {
            const contours::Point& p =
                line[static_cast<std::size_t>(spot * double(line.size() - 1))];
            if (labels.Place(text, chart.X(p.x), chart.Y(p.y), HAlign::Centre, VAlign::Middle,
                             true)) {
                ++placed;
                break;
            }
        }
    }
}

} // namespace

std::vector<double> IsocandelaLevels(double peak) {
    std::vector<double> levels;
    if (!(peak > 0) || !std::isfinite(peak))
        return levels;
    for (const double tick : LinearScale(peak, kLevels).ticks)
        if (tick > 0 && tick < peak)
            levels.push_back(tick);
    return levels;
}

void DrawIsocandelaDiagram(DrawingSurface& surface, const Box& picture, const IntensityMap& map,
                           const IsocandelaAxes& axes, const DiagramOptions& options) {
    LabelPlacer labels(surface, picture);
    const Frame frame = DrawFrame(surface, labels, picture, {}, options);
    if (map.grid.columns < 2 || map.grid.rows < 2 || !(map.xTo > map.xFrom) ||
        !(map.yTo > map.yFrom)) {
        labels.Place(FittedText(surface, texts::Words(options.wording, texts::kTooFewAngles),
                                frame.drawing.width),
                     frame.drawing.left + frame.drawing.width / 2,
                     frame.drawing.top + frame.drawing.height / 2, HAlign::Centre, VAlign::Middle);
        return;
    }
    Chart chart = ChartBox(surface, frame.drawing);
    chart.map = &map;
    labels.Place(axes.down, frame.drawing.left, frame.drawing.top, HAlign::Left, VAlign::Top);
    const std::string values =
        FillPlaceholders(texts::Words(options.wording, texts::kIsocandelaValues), {options.unit});
    labels.Place(values, frame.drawing.Right(), frame.drawing.top, HAlign::Right, VAlign::Top);
    labels.Place(axes.across, frame.drawing.left + frame.drawing.width / 2, frame.drawing.Bottom(),
                 HAlign::Centre, VAlign::Bottom);
    DrawAxes(surface, labels, chart, std::max(1, frame.lineWidth / 2));
    const std::vector<double> levels = IsocandelaLevels(map.peak);
    std::vector<std::vector<Line>> lines;
    for (std::size_t i = 0; i < levels.size(); ++i) {
        lines.push_back(LevelLines(map.grid, levels[i]));
        surface.pen = Pen{LevelColor(i, levels.size()), frame.lineWidth, PenStyle::Solid};
        for (const Line& line : lines.back())
            DrawLine(surface, chart, line);
    }
    // Labels after every line, brightest first, so lines never cross a label's box.
    surface.font.color = Rgb(0, 0, 0);
    for (std::size_t i = levels.size(); i-- > 0;)
        LabelLevel(labels, chart, lines[i], ValueText(levels[i]));
}

} // namespace lumetra::diagrams
