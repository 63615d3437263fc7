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

bool Inside(const TextBox& box, const Box& picture) {
    return box.left >= picture.left && box.top >= picture.top && box.right <= picture.Right() &&
           box.bottom <= picture.Bottom();
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
    TextBox box{Shifted(x, h, extent.width), Shifted(y, v, extent.height), 0, 0};
    box.right = box.left + extent.width;
    box.bottom = box.top + extent.height;
    const int dx = IntoRange(box.left, box.right, picture_.left, picture_.Right());
    const int dy = IntoRange(box.top, box.bottom, picture_.top, picture_.Bottom());
    box = {box.left + dx, box.top + dy, box.right + dx, box.bottom + dy};
    if (!Inside(box, picture_) || !IsFree(box))
        return false;
    placed_.push_back(box);
    const Brush kept = surface_.brush;
    surface_.brush = opaque ? Brush{Rgb(255, 255, 255), BrushStyle::Solid}
                            : Brush{Rgb(255, 255, 255), BrushStyle::Clear};
    surface_.TextOut(box.left, box.top, text);
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
