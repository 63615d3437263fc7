#pragma once
// The isocandela diagram: lines of equal intensity at round values over a rectangular chart of
// plane angle (across) and vertical angle (down), each line labelled with its value, coloured
// from blue (dim) to red (bright). The axes say which angles they are; the caption says the unit.

#include "DiagramTypes.h"
#include "IntensityMap.h"

#include <vector>

namespace lumetra::diagrams {

struct IsocandelaAxes {
    std::string across = "C (\u00b0)";
    std::string down = "\u03b3 (\u00b0)";
};

// The levels drawn: round values below the peak, about eight of them.
std::vector<double> IsocandelaLevels(double peak);

void DrawIsocandelaDiagram(DrawingSurface& surface, const Box& picture, const IntensityMap& map,
                           const IsocandelaAxes& axes, const DiagramOptions& options);

} // namespace lumetra::diagrams
