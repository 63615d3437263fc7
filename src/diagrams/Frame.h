#pragma once
// What every diagram has around its drawing: a white picture, the legend naming its curves and
// the caption line at the bottom. The drawing gets what is left.

#include "DiagramTypes.h"
#include "Labels.h"

#include <vector>

namespace lumetra::diagrams {

struct Frame {
    Box drawing;        // the area left for the diagram itself
    int textPixels = 0; // the height of the diagram's text
    int lineWidth = 1;  // curves; grid lines are one pixel thinner at most
};

// Clears the picture to white, draws caption and legend (flowing entries over as many rows as
// they need) and returns the rest.
Frame DrawFrame(DrawingSurface& surface, LabelPlacer& labels, const Box& picture,
                const std::vector<Series>& series, const DiagramOptions& options);

// A surface's pen for grid lines and curves.
Pen GridPen(int width, Color color = Rgb(200, 200, 200));
Pen CurvePen(const Series& series, int width);

} // namespace lumetra::diagrams
