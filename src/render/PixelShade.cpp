#include "PixelShade.h"

#include "ExtendedArithmetic.h"
#include "VerticalIntensity.h"

#include <cmath>

namespace lumetra {

long double SampleAngle(int a, int b) {
    const long double t = std::atan2(static_cast<long double>(a), static_cast<long double>(b));
    return t * kDegreesPerRadian - kHalfPi + 1.5L;
}

std::uint8_t GreyLevel(long double v) {
    if (v <= 255)
        return static_cast<std::uint8_t>(std::nearbyint(v));
    return 255;
}

std::uint8_t PixelShade(const LightPatternPass& pass, int a, int b) {
    const long double x = SampleAngle(a, b);
    const long double intensity = VerticalIntensity(
        *pass.record, a < 0 ? pass.leftPlane : pass.plane, x, pass.window, pass.search);
    const int squaredDistance = a * a + b * b;
    const long double d = CheckedDivide(static_cast<long double>(squaredDistance), pass.zoom);

    // R + 1 is formed in extended so that no radiosity value can overflow an integer.
    long double v = CheckedDivide(255, static_cast<long double>(pass.radiosity) + 1);
    v = CheckedMultiply(v, pass.brightness);
    v = CheckedMultiply(v, CheckedAdd(CheckedDivide(intensity, pass.peak),
                                      static_cast<long double>(pass.radiosity)));
    v = CheckedDivide(v, CheckedSquareRoot(CheckedAdd(d, pass.brightness)));
    return GreyLevel(std::fabs(v));
}

} // namespace lumetra
