#pragma once
// The angles at which intensities are compared. Files that store the same angles are compared at
// exactly those, value against value. Otherwise each file's grid is completed by its symmetry
// (as the summary completes it) and the files are compared on the union of their angles, a type C
// plane angle brought into [0, 360).

#include "summary/IntensityGrid.h"

#include <cstddef>
#include <span>

namespace lumetra::compare {

// The most directions compared; a union beyond it is thinned evenly on both axes.
inline constexpr std::size_t kMaxComparedDirections = std::size_t{1} << 22;

struct ComparedAngles {
    tArrEx Planes;           // C (type C) or H (types A and B), ascending
    tArrEx Verticals;        // gamma (type C) or V (types A and B), ascending
    bool SharedGrid = false; // every file stores exactly these angles
    bool Thinned = false;    // the union held more than kMaxComparedDirections directions
};

// The angles for the files' summary grids (all of one type); each grid refers to its record.
ComparedAngles AnglesToCompare(std::span<const summary::IntensityGrid* const> grids);

// At most count entries of an ascending axis, evenly spread, the first and last kept.
tArrEx Thinned(const tArrEx& axis, std::size_t count);

} // namespace lumetra::compare
