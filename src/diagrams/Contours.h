#pragma once
// The diagrams' view of contour lines: a grid of samples in grid units (column, row) and lines
// as point lists, a closed line repeating its first point. The lines come from the one contour
// routine, src/contours.

#include <cstddef>
#include <vector>

namespace lumetra::diagrams {

struct ContourGrid {
    std::size_t columns = 0;
    std::size_t rows = 0;
    std::vector<double> values; // values[row * columns + column]

    double At(std::size_t column, std::size_t row) const { return values[row * columns + column]; }
};

struct ContourPoint {
    double x = 0;
    double y = 0;
    bool operator==(const ContourPoint&) const = default;
};

using ContourLine = std::vector<ContourPoint>;

// Every line of the level, x from 0 to columns - 1 and y from 0 to rows - 1.
std::vector<ContourLine> ContourLines(const ContourGrid& grid, double level);

} // namespace lumetra::diagrams
