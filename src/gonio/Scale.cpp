#include "Scale.h"

#include "NumberText.h"
#include "Pixels.h"

#include <cmath>
#include <cstdlib>

namespace lumetra {

namespace {

constexpr Color kRingColor = Rgb(100, 100, 100);
constexpr Color kLabelColor = Rgb(0, 0, 255);
constexpr int kMostRings = 8;

// Largest power of ten, formed by repeated division, with peak >= 20 * decade; 1 at most.
// Zero when the division underflows before getting there.
long double ChooseDecade(long double scalePeak) {
    long double decade = 1;
    while (scalePeak < (decade * 2) * 10)
        decade = decade / 10;
    return decade;
}

long double RingCount(long double scalePeak, long double decade, long double multiplier) {
    return std::nearbyintl(scalePeak / ((10 * decade) * multiplier));
}

// The next whole multiplier up or down; past the precision of whole numbers, the next
// representable one, so that every step moves.
long double NextMultiplier(long double multiplier) {
    return std::fmax(multiplier + 1, std::nextafter(multiplier, HUGE_VALL));
}
long double PreviousMultiplier(long double multiplier) {
    return std::fmin(multiplier - 1, std::nextafter(multiplier, -HUGE_VALL));
}

// The smallest multiplier whose ring count is at most 8. The count never grows with the
// multiplier, so the search starts just below the analytic answer and walks to the exact one;
// a plain count upward from 1 would take billions of steps for a large peak.
long double ChooseMultiplier(long double scalePeak, long double decade) {
    constexpr int kMostSteps = 64;
    const long double estimate = std::floor(scalePeak / (10 * decade) / (kMostRings + 0.5L));
    long double multiplier = std::fmax(1, estimate - 2);
    for (int i = 0; i < kMostSteps && multiplier > 1 &&
                    RingCount(scalePeak, decade, PreviousMultiplier(multiplier)) <= kMostRings;
         ++i)
        multiplier = PreviousMultiplier(multiplier);
    for (int i = 0; i < kMostSteps && RingCount(scalePeak, decade, multiplier) > kMostRings; ++i)
        multiplier = NextMultiplier(multiplier);
    return multiplier;
}

// Shrinks the label font when the rings lie closer than a line of text.
void FitFont(Font& font, long double ringSpacing) {
    const long double lineHeight = std::fabs(static_cast<long double>(font.height)) + 2;
    if (ringSpacing < lineHeight)
        font.height = Rnd(2 - ringSpacing);
    if (font.height >= 0)
        font.height = -1;
}

void DrawRings(DrawingSurface& canvas, const ScaleStep& scale, long double scalePeak, int cx,
               int cy, long double radius, const std::string& separator) {
    for (int i = 0; i <= scale.count; ++i) {
        const long double value = i * scale.step;
        const long double r = (value / scalePeak) * radius;
        canvas.Ellipse(Rnd(cx - r), Rnd(cy - r), Rnd(cx + r), Rnd(cy + r));
        canvas.TextOut(cx, Rnd(cy + r), NumberText(value, separator));
    }
}

std::string Worded(Wording wording, const Message& text) {
    return wording ? wording(text) : text.English();
}

void DrawCaptions(DrawingSurface& canvas, long double scalePeak, long double planeAngle,
                  const std::string& separator, Wording wording) {
    canvas.TextOut(5, 5,
                   Worded(wording, LUMETRA_MESSAGE("Goniogram", "Maximum Intensity =%1")
                                       .Arg(NumberText(scalePeak, separator))));
    canvas.TextOut(
        5, Rnd(5 - static_cast<long double>(canvas.font.height)),
        Worded(wording,
               LUMETRA_MESSAGE("Goniogram", "Degrees=%1").Arg(NumberText(planeAngle, separator))));
}

} // namespace

std::optional<ScaleStep> ChooseScaleStep(long double scalePeak) {
    if (!std::isfinite(scalePeak) || scalePeak <= 0)
        return std::nullopt;
    ScaleStep scale;
    scale.decade = ChooseDecade(scalePeak);
    if (scale.decade == 0)
        return std::nullopt;
    scale.multiplier = ChooseMultiplier(scalePeak, scale.decade);
    scale.step = (10 * scale.decade) * scale.multiplier;
    const long double count = RingCount(scalePeak, scale.decade, scale.multiplier);
    if (!(count <= kMostRings)) // the walk found no multiplier: never seen, but never trusted
        return std::nullopt;
    scale.count = static_cast<int>(count);
    return scale;
}

void DrawScale(DrawingSurface& canvas, long double scalePeak, int cx, int cy, int margin,
               long double planeAngle, const std::string& decimalSeparator, Wording wording) {
    const Font savedFont = canvas.font;
    const BrushStyle savedBrushStyle = canvas.brush.style;

    canvas.font.name = "arial";
    canvas.font.color = kLabelColor;
    canvas.pen.color = kRingColor;
    canvas.brush.style = BrushStyle::Clear;

    const long double radius = static_cast<long double>(cx) - margin;
    if (const auto scale = ChooseScaleStep(scalePeak)) {
        FitFont(canvas.font, (scale->step / scalePeak) * radius);
        DrawRings(canvas, *scale, scalePeak, cx, cy, radius, decimalSeparator);
    }
    DrawCaptions(canvas, scalePeak, planeAngle, decimalSeparator, wording);

    canvas.brush.style = savedBrushStyle;
    canvas.font = savedFont;
}

} // namespace lumetra
