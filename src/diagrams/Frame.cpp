#include "Frame.h"

#include <algorithm>

namespace lumetra::diagrams {

namespace {

constexpr Color kWhite = Rgb(255, 255, 255);

struct LegendEntry {
    std::string text;
    int width = 0; // sample line, gap and text
};

int Margin(int textPixels) {
    return std::max(2, textPixels / 2);
}

int SampleLength(int textPixels) {
    return textPixels * 2;
}

std::vector<LegendEntry> LegendEntries(const DrawingSurface& surface,
                                       const std::vector<Series>& series, int maxWidth,
                                       int textPixels) {
    std::vector<LegendEntry> entries;
    const int sample = SampleLength(textPixels) + Margin(textPixels);
    for (const Series& one : series) {
        const std::string text = FittedText(surface, one.label, maxWidth - sample);
        entries.push_back({text, sample + surface.MeasureText(text).width});
    }
    return entries;
}

// The entries' rows: each row's first entry index; entries flow left to right.
std::vector<std::size_t> LegendRows(const std::vector<LegendEntry>& entries, int width, int gap) {
    std::vector<std::size_t> rows;
    int used = width;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (used + gap + entries[i].width > width) {
            rows.push_back(i);
            used = entries[i].width;
        } else {
            used += gap + entries[i].width;
        }
    }
    return rows;
}

void DrawSample(DrawingSurface& surface, const Series& series, int x, int y, int length,
                int width) {
    surface.pen = CurvePen(series, width);
    surface.MoveTo(x, y);
    surface.LineTo(x + length, y);
}

// Draws the legend rows upwards from bottom; returns the legend's top.
int DrawLegend(DrawingSurface& surface, LabelPlacer& labels, const Box& area,
               const std::vector<Series>& series, const Frame& frame) {
    const int px = frame.textPixels;
    const int gap = px * 2;
    const std::vector<LegendEntry> entries = LegendEntries(surface, series, area.width, px);
    const std::vector<std::size_t> rows = LegendRows(entries, area.width, gap);
    const int rowHeight = surface.MeasureText("Ag").height;
    int top = area.Bottom() - static_cast<int>(rows.size()) * rowHeight;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const std::size_t end = r + 1 < rows.size() ? rows[r + 1] : entries.size();
        int x = area.left;
        const int y = top + static_cast<int>(r) * rowHeight;
        for (std::size_t i = rows[r]; i < end; ++i) {
            DrawSample(surface, series[i], x, y + rowHeight / 2, SampleLength(px), frame.lineWidth);
            labels.Reserve({double(x), double(y), double(SampleLength(px)), double(rowHeight)});
            labels.Place(entries[i].text, x + SampleLength(px) + Margin(px), y, HAlign::Left,
                         VAlign::Top);
            x += entries[i].width + gap;
        }
    }
    return rows.empty() ? area.Bottom() : top - Margin(px);
}

} // namespace

Pen GridPen(int width, Color color) {
    return Pen{color, std::max(1, width), PenStyle::Solid};
}

Pen CurvePen(const Series& series, int width) {
    return Pen{series.color, std::max(1, width), series.dash};
}

Frame DrawFrame(DrawingSurface& surface, LabelPlacer& labels, const Box& picture,
                const std::vector<Series>& series, const DiagramOptions& options) {
    Frame frame;
    frame.textPixels = TextPixels(picture, options.textScale);
    frame.lineWidth = std::max(1, (frame.textPixels + 4) / 9);
    surface.pen = Pen{kWhite, 1, PenStyle::Solid};
    surface.brush = Brush{kWhite, BrushStyle::Solid};
    surface.Rectangle(picture.left, picture.top, picture.Right(), picture.Bottom());
    surface.brush = Brush{kWhite, BrushStyle::Clear};
    surface.font = LabelFont(frame.textPixels);
    const int margin = Margin(frame.textPixels);
    Box inner{picture.left + margin, picture.top + margin, picture.width - 2 * margin,
              picture.height - 2 * margin};
    int bottom = inner.Bottom();
    if (!options.caption.empty()) {
        const std::string caption = FittedText(surface, options.caption, inner.width);
        const int height = surface.MeasureText(caption).height;
        labels.Place(caption, inner.left + inner.width / 2, bottom, HAlign::Centre, VAlign::Bottom);
        bottom -= height + margin;
    }
    inner.height = std::max(0, bottom - inner.top);
    bottom = DrawLegend(surface, labels, inner, series, frame);
    frame.drawing = {inner.left, inner.top, inner.width, std::max(0, bottom - inner.top)};
    return frame;
}

} // namespace lumetra::diagrams
