#pragma once
// Conversion of computed goniogram coordinates to whole pixels.

#include <cmath>

namespace lumetra {

// Farther than any screen reaches, yet small enough for every surface's integer and fixed-point
// coordinates; points beyond it are pulled in so that absurd data cannot overflow a pixel.
inline constexpr long double kFarthestPixel = 1 << 20;

// rnd: nearest integer, exact halves to the even one (the default rounding mode).
inline int Rnd(long double value) {
    if (std::isnan(value))
        return 0;
    if (value > kFarthestPixel)
        value = kFarthestPixel;
    if (value < -kFarthestPixel)
        value = -kFarthestPixel;
    return static_cast<int>(std::nearbyintl(value));
}

} // namespace lumetra
