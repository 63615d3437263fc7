#pragma once
// Contour lines of a sampled field, and what a picture needs to show them: round levels to draw
// and labels that fit.
//
// Map of this library, from samples to a labelled picture:
//  1. Contours (this header): marching squares over a rectangular grid of samples; each level
//     gives polylines joined across cells, open where they meet the grid's border and closed
//     otherwise. The crossing on each cell edge is interpolated linearly; a saddle cell is split
//     by the mean of its corners.
//  2. RoundLevels: levels at round values (1, 2, 5 times a power of ten, or even steps when the
//     field varies little) between a field's smallest and largest value.
//  3. LabelPlacement: one label per line, placed along the line where it neither overlaps
//     another label or a kept-free area nor leaves the picture; a line with no such place goes
//     without a label.
// Plain C++ without Qt: the illuminance pictures and the isocandela diagrams share it.

#include <cstddef>
#include <vector>

namespace lumetra::contours {

struct Point {
    double x = 0;
    double y = 0;
    bool operator==(const Point&) const = default;
};

struct ContourLine {
    std::vector<Point> points;
    bool closed = false; // the last point joins the first one
};

// Samples on a grid: values[j * xs.size() + i] is the value at (xs[i], ys[j]); xs and ys
// ascending. A grid that does not match its axes, or has fewer than two nodes along an axis, has
// no contours.
struct SampledField {
    const std::vector<double>& xs;
    const std::vector<double>& ys;
    const std::vector<double>& values;
};

// The lines where the field equals level: the border between nodes at or above level and nodes
// below it (NaN counts as below). Lines that end on the grid's border are open; every other line
// is closed.
std::vector<ContourLine> Contours(const SampledField& field, double level);

} // namespace lumetra::contours
