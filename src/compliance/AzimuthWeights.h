#pragma once
// Each plane's share of an azimuth interval: the integral of its periodic hat function there.

#include "summary/IntensityGrid.h"

namespace lumetra::compliance {

// One weight per plane of a periodic axis (radians), for the interval [from, to] in degrees
// (to - from at most 360). A cell [a, b] of width w cut to [x0, x1] gives its left plane
// ((b - x0)^2 - (b - x1)^2) / 2w and its right plane ((x1 - a)^2 - (x0 - a)^2) / 2w; cells of
// zero width give nothing. A single plane gets the interval's whole width.
tArrEx AzimuthWeights(const summary::AngleAxis& planes, long double from, long double to);

} // namespace lumetra::compliance
