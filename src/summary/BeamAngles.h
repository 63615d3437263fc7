#pragma once
// Beam (50 %) and field (10 %) angles: walks along a line of directions from a start point to
// where the intensity first falls below a share of the start's intensity.
//
// A type C plane pair (C, C + 180) is a circle: t = gamma on plane C and t = -gamma on plane
// C + 180, t in (-180, 180]. A type A or B line runs across one axis of the grid and ends at its
// stored range. A step that leaves the stored vertical range (through 0 or 180 when that angle is
// not stored) ends the walk at the edge.

#include "IntensityGrid.h"

#include <optional>
#include <vector>

namespace lumetra::summary {

struct WalkPoint {
    long double T = 0; // position along the walk, degrees
    long double F = 0; // intensity there, cd
};

struct Walkway {
    std::vector<WalkPoint> Points; // ascending T
    std::vector<bool> OpenAfter;   // whether the step from point i to the next one may be taken
    bool Circular = false;         // the step after the last point leads to the first (+360)
};

// The circle of the type C plane pair (c, c + 180) through the completed interpolant.
Walkway PlanePairCircle(const IntensityGrid& grid, long double c);

// A line of directions: the given angles with their intensities, open between neighbours.
Walkway Line(const tArrEx& angles, const tArrEx& intensities);

// Max-based angle: start at the highest point (smallest |t|, ties to positive t).
std::optional<long double> MaxBasedAngle(const Walkway& way, long double share);

// Centre-based angle: start at t = 0, which must be a stored point.
std::optional<long double> CentreBasedAngle(const Walkway& way, long double share);

} // namespace lumetra::summary
