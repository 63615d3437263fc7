#include "Labels.h"

#include <algorithm>
#include <cmath>

namespace lumetra::diagrams {

namespace {

// A 300-pixel picture gets about 9-pixel text, a 1000-pixel one about 24.
constexpr double kTextShare = 0.022;
constexpr int kSmallestText = 9;
constexpr int kLargestText = 400;

int Shifted(int start, HAlign h, int size) {
    if (h == HAlign::Centre)
        return start - size / 2;
    return h == HAlign::Right ? start - size : start;
}

int Shifted(int start, VAlign v, int size) {
    if (v == VAlign::Middle)
        return start - size / 2;
    return v == VAlign::Bottom ? start - size : start;
}

// The offset that brings [from, to) inside [low, high), or 0 when it does not fit at all.
int IntoRange(int from, int to, int low, int high) {
    if (to - from > high - low)
        return 0;
    if (from < low)
        return low - from;
    return to > high ? high - to : 0;
}

TextBox BoxOf(const Box& picture) {
    return {double(picture.left), double(picture.top), double(picture.width),
            double(picture.height)};
}

} // namespace

int TextPixels(const Box& picture, double textScale) {
    const double side = std::min(picture.width, picture.height);
    const double pixels = std::round(side * kTextShare * std::clamp(textScale, 0.25, 8.0));
    return std::clamp(static_cast<int>(pixels), kSmallestText, kLargestText);
}

Font LabelFont(int pixels, Color color) {
    // fontconfig maps the name onto its metric-compatible free face.
    return Font{"Arial", color, -pixels};
}

LabelPlacer::LabelPlacer(DrawingSurface& surface, const Box& picture)
    : surface_(surface), picture_(picture) {}

bool LabelPlacer::IsFree(const TextBox& box) const {
    return std::none_of(placed_.begin(), placed_.end(),
                        [&box](const TextBox& other) { return box.Overlaps(other); });
}

bool LabelPlacer::Place(const std::string& text, int x, int y, HAlign h, VAlign v, bool opaque) {
    const TextExtent extent = surface_.MeasureText(text);
    const int left = Shifted(x, h, extent.width);
    const int top = Shifted(y, v, extent.height);
    const int dx = IntoRange(left, left + extent.width, picture_.left, picture_.Right());
    const int dy = IntoRange(top, top + extent.height, picture_.top, picture_.Bottom());
    const TextBox box{double(left + dx), double(top + dy), double(extent.width),
                      double(extent.height)};
    if (!box.Inside(BoxOf(picture_)) || !IsFree(box))
        return false;
    placed_.push_back(box);
    const Brush kept = surface_.brush;
    surface_.brush = opaque ? Brush{Rgb(255, 255, 255), BrushStyle::Solid}
                            : Brush{Rgb(255, 255, 255), BrushStyle::Clear};
    surface_.TextOut(left + dx, top + dy, text);
    surface_.brush = kept;
    return true;
}

std::string FittedText(const DrawingSurface& surface, const std::string& text, int maxWidth) {
    if (surface.MeasureText(text).width <= maxWidth)
        return text;
    const std::string ellipsis = "\u2026";
    std::string cut = text;
    while (!cut.empty()) {
        // Drop one whole UTF-8 character: its continuation bytes, then its lead byte.
        while (!cut.empty() && (static_cast<unsigned char>(cut.back()) & 0xC0u) == 0x80u)
            cut.pop_back();
        if (!cut.empty())
            cut.pop_back();
        if (surface.MeasureText(cut + ellipsis).width <= maxWidth)
            return cut + ellipsis;
    }
    return std::string();
}

} // namespace lumetra::diagrams
