#pragma once
// What the goniogram shows under a point: the C-plane of that half, the vertical angle in the
// point's direction and the intensity there.

#include "data/Message.h"
#include "data/Photometry.h"

#include <optional>
#include <string>

namespace lumetra {

struct PointValue {
    long double planeAngle = 0; // C-plane drawn on the point's half
    long double gamma = 0;      // vertical angle: 0 straight down, 180 straight up
    // Linear between the plane's stored values; empty outside the stored vertical angles.
    std::optional<long double> intensity;
    long double lowestAngle = 0;
    long double highestAngle = 0;
};

// The value at (x, y) of a width x height paint area showing plane P on the right half and its
// opposite plane on the left. Empty when the record has nothing to show at that plane.
std::optional<PointValue> ValueAtPoint(const tIES& record, int plane, int width, int height, int x,
                                       int y);

// Linear interpolation of one plane's values at vertical angle gamma; empty outside the
// stored angles.
std::optional<long double> IntensityAt(const tArrEx& verticalAngles, const tArrEx& values,
                                       long double gamma);

// "42.5°": an angle to one decimal.
std::string DegreesText(long double angle, const std::string& decimalSeparator);

// "C 30°  γ 42.5°  1234.5 cd", angles and intensity to one decimal; words in the language
// `wording` gives (none: English).
std::string PointValueText(const PointValue& value, const std::string& decimalSeparator,
                           Wording wording = nullptr);

} // namespace lumetra
