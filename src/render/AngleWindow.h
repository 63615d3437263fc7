#pragma once
// The range of signed angles, in degrees, for which the intensity look-up reads the candela
// table. It is the same for every sample of a pass.

#include "data/Photometry.h"

namespace lumetra {

struct AngleWindow {
    long double lower = 0; // L
    long double upper = 0; // U
};

// U is the last vertical angle. L is the first one when it is exactly 90 (a file that starts at
// the horizon lights only the upper half), otherwise -U. verticalAngles must not be empty.
AngleWindow MakeAngleWindow(const tArrEx& verticalAngles);

// L <= x <= U, or, when L is exactly 90, -U <= x <= -L: both ends included, compared exactly.
bool InsideAngleWindow(const AngleWindow& window, long double x);

} // namespace lumetra
