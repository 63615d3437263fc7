#include "IntensityMap.h"

#include <algorithm>
#include <cmath>

namespace lumetra::diagrams {

namespace {

constexpr double kLitShare = 0.005;
constexpr double kRangeStep = 10;

struct Range {
    double from = 0;
    double to = 0;
};

double Step(const Range& range, std::size_t count) {
    return count > 1 ? (range.to - range.from) / static_cast<double>(count - 1) : 0;
}

double At(const Range& range, std::size_t i, std::size_t count) {
    return range.from + Step(range, count) * static_cast<double>(i);
}

// The grid's values at each (plane, vertical) pair: one interpolated profile per plane, so the
// cost is columns x (verticals + rows).
SampleGrid Sample(const DiagramData& data, const Range& planes, const Range& verticals,
                  double factor) {
    SampleGrid grid{kMapColumns, kMapRows, std::vector<double>(kMapColumns * kMapRows, 0.0)};
    std::vector<double> rows(kMapRows);
    for (std::size_t r = 0; r < kMapRows; ++r)
        rows[r] = At(verticals, r, kMapRows);
    for (std::size_t c = 0; c < kMapColumns; ++c) {
        const std::vector<double> column = data.ColumnAt(At(planes, c, kMapColumns), rows);
        for (std::size_t r = 0; r < kMapRows; ++r)
            grid.values[r * kMapColumns + c] = factor * column[r];
    }
    return grid;
}

// The part of an axis where some sample reaches the share of the peak, widened to tens.
Range LitRange(const SampleGrid& grid, const Range& axis, bool columns, double threshold) {
    const std::size_t count = columns ? grid.columns : grid.rows;
    std::size_t first = count;
    std::size_t last = 0;
    for (std::size_t r = 0; r < grid.rows; ++r)
        for (std::size_t c = 0; c < grid.columns; ++c)
            if (grid.At(c, r) > threshold) {
                const std::size_t i = columns ? c : r;
                first = std::min(first, i);
                last = std::max(last, i);
            }
    if (first > last)
        return axis;
    Range lit{std::floor(At(axis, first, count) / kRangeStep) * kRangeStep,
              std::ceil(At(axis, last, count) / kRangeStep) * kRangeStep};
    lit.from = std::max(lit.from, axis.from);
    lit.to = std::min(std::max(lit.to, lit.from + kRangeStep), axis.to);
    return lit.to > lit.from ? lit : axis;
}

double Peak(const SampleGrid& grid) {
    double peak = 0;
    for (const double value : grid.values)
        peak = std::max(peak, value);
    return peak;
}

Range AxisOf(const tArrEx& angles) {
    if (angles.empty())
        return {0, 0};
    return {double(angles.front()), double(angles.back())};
}

} // namespace

double IntensityMap::X(double column) const {
    return xFrom + (xTo - xFrom) * column / static_cast<double>(grid.columns - 1);
}

double IntensityMap::Y(double row) const {
    return yFrom + (yTo - yFrom) * row / static_cast<double>(grid.rows - 1);
}

IntensityMap SampleIntensity(const DiagramData& data, IntensityUnit unit) {
    IntensityMap map;
    if (!data.HasData())
        return map;
    const double factor = data.UnitFactor(unit);
    Range planes = data.TypeC() ? Range{0, 360} : AxisOf(data.Grid().Planes.Angles);
    Range verticals = AxisOf(data.Grid().Verticals.Angles);
    const SampleGrid whole = Sample(data, planes, verticals, factor);
    const double threshold = kLitShare * Peak(whole);
    if (!data.TypeC())
        planes = LitRange(whole, planes, true, threshold);
    verticals = LitRange(whole, verticals, false, threshold);
    map.grid = Sample(data, planes, verticals, factor);
    map.xFrom = planes.from;
    map.xTo = planes.to;
    map.yFrom = verticals.from;
    map.yTo = verticals.to;
    map.peak = Peak(map.grid);
    map.upward = !data.TypeC();
    return map;
}

} // namespace lumetra::diagrams
