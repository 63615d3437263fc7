#pragma once
// Exact integrals of the bilinear interpolant over the sphere.
//
// Across one plane interval the interpolant is (1 - u) L + u R, and both weights integrate to
// half the interval's width; so the double integral equals a single integral, over the vertical
// angle, of the weighted profile P = sum of w_i f_i, where w_i is half the width of the two
// intervals beside plane i and f_i is the plane's piecewise-linear profile. Each vertical cell
// of P is then integrated in closed form:
//   type C:  integral of (p + q g) sin g dg = -(p + q g) cos g + q sin g,
//   types A and B:  integral of (p + q v) cos v dv = (p + q v) sin v + q cos v.

#include "IntensityGrid.h"

namespace lumetra::summary {

// The weighted profile P over the grid's vertical angles, with the plane widths in radians.
tArrEx WeightedProfile(const IntensityGrid& grid);

// The same with given plane weights (radians, one per plane of the grid): the integral of the
// interpolant over part of the turn is the profile of that part's weights.
tArrEx WeightedProfile(const IntensityGrid& grid, const tArrEx& planeWeights);

// Integral of P(g) sin g over [from, to] in degrees (type C: gamma from the downward axis).
long double IntegrateSine(const tArrEx& verticals, const tArrEx& profile, long double from,
                          long double to);

// Integral of P(v) cos v over [from, to] in degrees (types A and B: v from the horizontal).
long double IntegrateCosine(const tArrEx& verticals, const tArrEx& profile, long double from,
                            long double to);

} // namespace lumetra::summary
