#pragma once
// The intensity in one plane at any signed vertical angle, interpolated linearly between the
// stored angles.

#include "AngleWindow.h"
#include "VerticalSearch.h"
#include "data/Photometry.h"

namespace lumetra {

// Candela in plane h at angle x (degrees; the sign only matters for the window test). Exactly 0
// outside the window. Inside it the bracket is found by a linear search from index 0 for the
// first angle at or above |x|; below the first angle the first segment is extended. A record with
// a single vertical angle returns that angle's value. Throws FloatingPointError when the
// bracketing angles are equal (or the arithmetic overflows), and LumetraError when h is not a
// plane of the record or the plane holds fewer values than there are vertical angles.
long double VerticalIntensity(const tIES& record, int h, long double x, const AngleWindow& window);

// The same, with the bracket found by a search built once for the record's vertical angles: the
// form a render pass uses, so that its time does not grow with the number of angles.
long double VerticalIntensity(const tIES& record, int h, long double x, const AngleWindow& window,
                              const VerticalSearch& search);

} // namespace lumetra
