#include "Contours.h"

#include "contours/Contours.h"

#include <numeric>

namespace lumetra::diagrams {

namespace {

std::vector<double> Indices(std::size_t count) {
    std::vector<double> indices(count);
    std::iota(indices.begin(), indices.end(), 0.0);
    return indices;
}

} // namespace

std::vector<ContourLine> ContourLines(const ContourGrid& grid, double level) {
    const std::vector<double> xs = Indices(grid.columns);
    const std::vector<double> ys = Indices(grid.rows);
    std::vector<ContourLine> lines;
    for (const contours::ContourLine& found : contours::Contours({xs, ys, grid.values}, level)) {
        ContourLine& line = lines.emplace_back();
        line.reserve(found.points.size() + 1);
        for (const contours::Point& p : found.points)
            line.push_back({p.x, p.y});
        if (found.closed && !line.empty())
            line.push_back(line.front());
    }
    return lines;
}

} // namespace lumetra::diagrams
