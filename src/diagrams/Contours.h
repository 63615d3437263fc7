#pragma once
// Lines of equal value over a regular grid of samples (marching squares). Plain C++ with no
// other dependency, for every picture of contours: isocandela diagrams, illuminance maps.
//
// The grid holds columns x rows values, row by row. A line's points are in grid units: x from 0
// (first column) to columns - 1, y from 0 (first row) to rows - 1, each on an edge between two
// samples where the value crosses the level linearly. A sample counts as inside when its value
// is at or above the level; NaN counts as outside. A cell whose inside corners lie diagonally
// (a saddle) is decided by the mean of its corners. Lines are joined across cells: a closed line
// repeats its first point at its end, an open one ends at the grid's border.

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

// Every line of the level; none for a grid smaller than 2 x 2 or with fewer values than cells.
std::vector<ContourLine> ContourLines(const ContourGrid& grid, double level);

} // namespace lumetra::diagrams
