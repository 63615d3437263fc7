#pragma once
// The record turned into the grid that the summary integrates and walks: type C completed to the
// whole turn, types A and B mirrored where an axis starts at 0.

#include "IntensityGrid.h"

#include <string>

namespace lumetra::summary {

struct SummaryGrid {
    IntensityGrid Grid;
    std::string Symmetry;
};

// Planes and vertical angles with candela values for every pair: the shorter of each angle list
// and the values stored for it.
std::size_t UsablePlanes(const tIES& record);
std::size_t UsableVerticals(const tIES& record);

// Type C: planes completed by the symmetry that the stored horizontal angles declare.
SummaryGrid TypeCGrid(const tIES& record, long double scale);

// Types A and B: both axes sorted, each mirrored when it starts at 0; no wrap.
SummaryGrid TypeABGrid(const tIES& record, long double scale);

} // namespace lumetra::summary
