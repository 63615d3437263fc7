#include "AzimuthWeights.h"

#include <algorithm>
#include <numbers>

namespace lumetra::compliance {

namespace {

constexpr long double kRadiansPerDegree = std::numbers::pi_v<long double> / 180;

struct Cell {
    long double A;
    long double B;
    std::size_t Left;
    std::size_t Right;
};

// The part of [start, end] inside the cell, booked to its two planes in the factored form of
// the hat integrals (exact where the differences of squares would cancel).
void AddOverlap(const Cell& cell, long double start, long double end, tArrEx& weights) {
    const long double x0 = std::max(cell.A, start);
    const long double x1 = std::min(cell.B, end);
    const long double width = cell.B - cell.A;
    if (!(x1 > x0) || !(width > 0))
        return;
    const long double length = x1 - x0;
    weights[cell.Left] += length * (2 * cell.B - x0 - x1) / (2 * width);
    weights[cell.Right] += length * (x0 + x1 - 2 * cell.A) / (2 * width);
}

Cell CellAfter(const tArrEx& angles, std::size_t i) {
    if (i + 1 < angles.size())
        return {angles[i], angles[i + 1], i, i + 1};
    return {angles[i], angles.front() + 360, i, 0}; // the wrap cell back to the first plane
}

} // namespace

tArrEx AzimuthWeights(const summary::AngleAxis& planes, long double from, long double to) {
    const tArrEx& angles = planes.Angles;
    tArrEx weights(angles.size(), 0.0L);
    if (angles.empty() || !(to > from))
        return weights;
    const long double first = angles.front();
    long double start = summary::IntoTurn(from, first);
    if (start >= first + 360)
        start -= 360;
    const long double end = start + std::min(to - from, 360.0L);
    for (std::size_t i = 0; i < angles.size(); ++i) {
        const Cell cell = CellAfter(angles, i);
        AddOverlap(cell, start, end, weights);
        AddOverlap(cell, start - 360, end - 360, weights); // the part past the turn's end
    }
    for (long double& weight : weights)
        weight *= kRadiansPerDegree;
    return weights;
}

} // namespace lumetra::compliance
