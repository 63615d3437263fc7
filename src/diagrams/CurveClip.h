#pragma once
// A curve cut to an angle range, with points interpolated where it crosses the range's ends.

#include "DiagramTypes.h"

#include <vector>

namespace lumetra::diagrams {

// The pieces of the curve inside [from, to]; a curve that leaves the range and comes back gives
// several pieces.
std::vector<std::vector<CurvePoint>> ClipToAngles(const std::vector<CurvePoint>& points,
                                                  double from, double to);

// The largest value of the curves' points inside [from, to] (0 for none).
double LargestValue(const std::vector<Series>& series, double from, double to);

// The smallest positive value inside [from, to] (0 for none).
double SmallestPositive(const std::vector<Series>& series, double from, double to);

} // namespace lumetra::diagrams
