#pragma once
// The cartesian diagram: intensity (linear or logarithmic) against the signed angle of each
// series, over the angles where the light is, with a grid at round values, units on both axes,
// level marks (such as 50 % and 10 % of the peak, where the beam and field angles are read) and
// the legend.

#include "DiagramTypes.h"

#include <vector>

namespace lumetra::diagrams {

void DrawCartesianDiagram(DrawingSurface& surface, const Box& picture,
                          const std::vector<Series>& series, const DiagramOptions& options);

// The angle range drawn: from the smallest to the largest angle where any curve reaches 0.5 %
// of the highest value, widened to a round angle on both sides of 0 (only to the right when no
// curve has negative angles).
struct AngleRange {
    double from = -180;
    double to = 180;
    bool operator==(const AngleRange&) const = default;
};
AngleRange LitAngles(const std::vector<Series>& series);

} // namespace lumetra::diagrams
