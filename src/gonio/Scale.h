#pragma once
// The intensity scale: labelled rings at an even candela step and the two captions.

#include "DrawingSurface.h"
#include "data/Message.h"

#include <optional>
#include <string>

namespace lumetra {

// The rings of one scale: ring i (0 to count) stands for i * step candela.
struct ScaleStep {
    long double decade = 1; // power of ten not above 1
    long double multiplier = 1;
    long double step = 10; // (10 * decade) * multiplier
    int count = 0;         // the last ring index, 2 to 8
};

// The ring step for a peak; none when the peak cannot be scaled (zero, negative, not finite, or
// so small that the decade underflows).
std::optional<ScaleStep> ChooseScaleStep(long double scalePeak);

// Draws rings, ring labels and captions for the peak, centred at (cx, cy) with the peak at
// cx - margin pixels. Puts back the font and brush style; leaves the pen colour changed, for the
// caller to restore. With a peak that cannot be scaled, only the captions are drawn.
// The captions are in the language `wording` gives (none: English).
void DrawScale(DrawingSurface& canvas, long double scalePeak, int cx, int cy, int margin,
               long double planeAngle, const std::string& decimalSeparator,
               Wording wording = nullptr);

} // namespace lumetra
