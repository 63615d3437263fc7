#pragma once
// The intensity distribution as the summary sees it: the stored values scaled to candela, on two
// ascending angle axes. The axes refer to stored angles by index, so completing a symmetric
// record or mirroring an axis never copies the candela table.

#include "data/Photometry.h"

#include <cstddef>
#include <vector>

namespace lumetra::summary {

// Ascending angles in degrees, each with the index of the stored angle whose values it carries.
struct AngleAxis {
    tArrEx Angles;
    std::vector<std::size_t> Source;
};

// The stored angles in ascending order; equal angles keep their stored order.
AngleAxis SortedAxis(const tArrEx& angles, std::size_t count);

struct IntensityGrid {
    const tIES* Record = nullptr;
    long double Scale = 1; // candela multiplier x ballast factor
    AngleAxis Planes;      // C (type C) or H (types A and B)
    AngleAxis Verticals;   // gamma (type C) or V (types A and B)
    bool Periodic = false; // type C: after the last plane comes the first one + 360

    long double Value(std::size_t plane, std::size_t vertical) const {
        return Scale * Record->Candela[Planes.Source[plane]][Verticals.Source[vertical]];
    }
};

// Where an angle falls on an axis: between entries Lower and Upper, Fraction of the way.
struct Bracket {
    std::size_t Lower = 0;
    std::size_t Upper = 0;
    long double Fraction = 0;
    bool Inside = false; // false outside a non-periodic axis: the interpolant is zero there
};

// Where the last look-up on an axis found its bracket. A walk over nearby directions (the nodes
// of a grid) passes it to the next look-up, which then usually costs a comparison or two
// instead of a binary search; the bracket found is the same either way.
struct AxisHint {
    std::size_t index = 0;
};

// The bracket of x on a closed axis [first, last].
Bracket BracketOn(const tArrEx& angles, long double x, AxisHint* hint = nullptr);

// The bracket of x on the planes of a periodic axis, whose last interval runs to first + 360.
Bracket BracketAround(const tArrEx& angles, long double x, AxisHint* hint = nullptr);

// x brought into [origin, origin + 360]; a value already there is kept as it is.
long double IntoTurn(long double x, long double origin);

// The interpolant at one direction (c, v): linear in the plane angle between the planes that
// bracket c, linear in v between the stored angles that bracket it, 0 outside the vertical axis.
// Equal to ProfileAtPlaneAngle(grid, c) interpolated at v, without building the profile.
// Hints are kept per axis; one set serves one walk.
struct IntensityHints {
    AxisHint Plane;
    AxisHint Vertical;
};
long double IntensityAt(const IntensityGrid& grid, long double c, long double v,
                        IntensityHints* hints = nullptr);

// The interpolant along the vertical axis at plane angle c: one value per vertical angle.
tArrEx ProfileAtPlaneAngle(const IntensityGrid& grid, long double c);

// The interpolant along the plane axis at vertical angle v: one value per plane angle.
tArrEx RowAtVerticalAngle(const IntensityGrid& grid, long double v);

} // namespace lumetra::summary
