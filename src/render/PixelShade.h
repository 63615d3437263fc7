#pragma once
// The grey level of one sample of the light pattern.

#include "LightPatternPass.h"

#include <cstdint>

namespace lumetra {

// 180/pi and pi/2, each correctly rounded to extended precision.
inline constexpr long double kDegreesPerRadian = 57.295779513082320876798L;
inline constexpr long double kHalfPi = 1.5707963267948966192313L;

// The sample at a to the right of and b below the centre: the intensity in its direction over
// the pass's peak, plus the radiosity term, scaled by brightness and faded with the squared
// distance over the zoom. Evaluated step by step in extended precision in a fixed order, so the
// first floating-point fault met is the one thrown (FloatingPointError).
std::uint8_t PixelShade(const LightPatternPass& pass, int a, int b);

// The signed angle from the downward axis, in degrees, at which the sample at (a, b) reads the
// intensity. The conversion subtracts pi/2 and adds 1.5, a net turn of -0.0708 degrees that the
// picture has always had and that is kept so pictures stay the same: straight right reads
// 89.929..., straight down -0.0708..., straight left -90.0708... (outside a 0..90 window).
long double SampleAngle(int a, int b);

// A shade value v >= 0 to a grey level: rounded to the nearest integer, ties to even, and 255
// for anything above 255.
std::uint8_t GreyLevel(long double v);

} // namespace lumetra
