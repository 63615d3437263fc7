#pragma once
// The intensity sampled on a regular grid of directions, for contour lines: over C (0-360, the
// whole turn after symmetry completion) and gamma for type C, over H and V for types A and B.
// The vertical range (and for types A and B also the horizontal one) is cut to where the light
// is, in steps of 10 degrees, so a narrow beam fills the picture.

#include "DiagramData.h"

#include <vector>

namespace lumetra::diagrams {

// Samples by column (plane angle) and row (vertical angle), row after row.
struct SampleGrid {
    std::size_t columns = 0;
    std::size_t rows = 0;
    std::vector<double> values; // values[row * columns + column], in the unit

    double At(std::size_t column, std::size_t row) const { return values[row * columns + column]; }
};

struct IntensityMap {
    SampleGrid grid;
    double xFrom = 0, xTo = 360;
    double yFrom = 0, yTo = 180;
    double peak = 0;
    bool upward = false; // rows drawn bottom to top: V rises upwards, gamma 0 stays on top

    double X(double column) const;
    double Y(double row) const;
};

// Sample counts a side: fine enough for smooth lines, bounded whatever the file holds.
inline constexpr std::size_t kMapColumns = 181;
inline constexpr std::size_t kMapRows = 181;

IntensityMap SampleIntensity(const DiagramData& data, IntensityUnit unit);

} // namespace lumetra::diagrams
