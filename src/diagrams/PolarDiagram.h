#pragma once
// The polar diagram: intensity as distance from the centre, the downward axis at the bottom,
// each series a closed curve across its plane pair (its first plane on the right). Rings at
// round values carry the unit, angle labels sit outside the outer ring, the legend names the
// series.

#include "DiagramTypes.h"

#include <vector>

namespace lumetra::diagrams {

void DrawPolarDiagram(DrawingSurface& surface, const Box& picture,
                      const std::vector<Series>& series, const DiagramOptions& options);

// The half that holds most of the light: Lower when the curves reach at least ten times as far
// below the horizontal as above it, Upper for the reverse, Both otherwise.
HalfSpace LitHalf(const std::vector<Series>& series);

} // namespace lumetra::diagrams
