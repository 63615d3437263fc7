#include "IntensityGrid.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace lumetra::summary {

AngleAxis SortedAxis(const tArrEx& angles, std::size_t count) {
    AngleAxis axis;
    axis.Source.resize(count);
    std::iota(axis.Source.begin(), axis.Source.end(), std::size_t{0});
    std::stable_sort(axis.Source.begin(), axis.Source.end(),
                     [&angles](std::size_t a, std::size_t b) { return angles[a] < angles[b]; });
    axis.Angles.reserve(count);
    for (const std::size_t index : axis.Source)
        axis.Angles.push_back(angles[index]);
    return axis;
}

long double IntoTurn(long double x, long double origin) {
    const long double offset = x - origin;
    if ((offset >= 0 && offset <= 360) || !std::isfinite(offset))
        return x;
    long double turned = std::fmod(offset, 360.0L);
    if (turned < 0)
        turned += 360;
    return origin + turned;
}

namespace {

// The bracket of x inside [angles[lower], end], end being angles[lower + 1] or a wrapped angle.
Bracket Between(std::size_t lower, std::size_t upper, long double start, long double end,
                long double x) {
    const long double width = end - start;
    const long double fraction = width > 0 ? (x - start) / width : 0;
    return {lower, upper, std::clamp(fraction, 0.0L, 1.0L), true};
}

std::size_t LastNotAbove(const tArrEx& angles, long double x) {
    const auto after = std::upper_bound(angles.begin(), angles.end(), x);
    return static_cast<std::size_t>(after - angles.begin()) - 1;
}

} // namespace

Bracket BracketOn(const tArrEx& angles, long double x) {
    if (angles.empty() || !(x >= angles.front() && x <= angles.back()))
        return {};
    if (angles.size() == 1)
        return {0, 0, 0, true};
    const std::size_t lower = std::min(LastNotAbove(angles, x), angles.size() - 2);
    return Between(lower, lower + 1, angles[lower], angles[lower + 1], x);
}

Bracket BracketAround(const tArrEx& angles, long double x) {
    if (angles.empty())
        return {};
    const long double first = angles.front();
    long double turned = IntoTurn(x, first);
    if (turned >= first + 360)
        turned = first; // the end of the turn is its start
    const std::size_t lower = LastNotAbove(angles, turned);
    const bool wraps = lower + 1 == angles.size();
    const std::size_t upper = wraps ? 0 : lower + 1;
    const long double end = wraps ? first + 360 : angles[upper];
    return Between(lower, upper, angles[lower], end, turned);
}

tArrEx ProfileAtPlaneAngle(const IntensityGrid& grid, long double c) {
    const Bracket at =
        grid.Periodic ? BracketAround(grid.Planes.Angles, c) : BracketOn(grid.Planes.Angles, c);
    tArrEx profile(grid.Verticals.Angles.size(), 0.0L);
    if (!at.Inside)
        return profile;
    for (std::size_t v = 0; v < profile.size(); ++v)
        profile[v] = (1 - at.Fraction) * grid.Value(at.Lower, v) +
                     (at.Fraction > 0 ? at.Fraction * grid.Value(at.Upper, v) : 0);
    return profile;
}

tArrEx RowAtVerticalAngle(const IntensityGrid& grid, long double v) {
    const Bracket at = BracketOn(grid.Verticals.Angles, v);
    tArrEx row(grid.Planes.Angles.size(), 0.0L);
    if (!at.Inside)
        return row;
    for (std::size_t p = 0; p < row.size(); ++p)
        row[p] = (1 - at.Fraction) * grid.Value(p, at.Lower) +
                 (at.Fraction > 0 ? at.Fraction * grid.Value(p, at.Upper) : 0);
    return row;
}

} // namespace lumetra::summary
