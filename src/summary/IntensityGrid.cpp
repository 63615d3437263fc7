#include "IntensityGrid.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <optional>

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

// A walk over nearby directions finds its next bracket within a few angles of the last one;
// farther away a binary search is quicker.
constexpr int kHintSteps = 6;

// The index k of the last angle not above x, angles[k] <= x < angles[k + 1], by walking from the
// hint, or none when it is farther than kHintSteps.
std::optional<std::size_t> WalkFrom(const tArrEx& angles, long double x, std::size_t start) {
    std::size_t k = std::min(start, angles.size() - 1);
    for (int step = 0; step < kHintSteps; ++step) {
        if (angles[k] > x)
            --k; // never below 0: x is at or above the first angle
        else if (k + 1 < angles.size() && angles[k + 1] <= x)
            ++k;
        else
            return k;
    }
    return std::nullopt;
}

// For x at or above the first angle (NaN never uses the hint).
std::size_t LastNotAbove(const tArrEx& angles, long double x, AxisHint* hint) {
    const bool hinted = hint != nullptr && x >= angles.front();
    if (hinted)
        if (const auto near = WalkFrom(angles, x, hint->index))
            return hint->index = *near;
    const auto after = std::upper_bound(angles.begin(), angles.end(), x);
    const std::size_t found = static_cast<std::size_t>(after - angles.begin()) - 1;
    if (hinted)
        hint->index = found;
    return found;
}

} // namespace

Bracket BracketOn(const tArrEx& angles, long double x, AxisHint* hint) {
    if (angles.empty() || !(x >= angles.front() && x <= angles.back()))
        return {};
    if (angles.size() == 1)
        return {0, 0, 0, true};
    const std::size_t lower = std::min(LastNotAbove(angles, x, hint), angles.size() - 2);
    return Between(lower, lower + 1, angles[lower], angles[lower + 1], x);
}

Bracket BracketAround(const tArrEx& angles, long double x, AxisHint* hint) {
    if (angles.empty())
        return {};
    const long double first = angles.front();
    long double turned = IntoTurn(x, first);
    if (turned >= first + 360)
        turned = first; // the end of the turn is its start
    const std::size_t lower = LastNotAbove(angles, turned, hint);
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

long double IntensityAt(const IntensityGrid& grid, long double c, long double v,
                        IntensityHints* hints) {
    AxisHint* planeHint = hints ? &hints->Plane : nullptr;
    const Bracket plane = grid.Periodic ? BracketAround(grid.Planes.Angles, c, planeHint)
                                        : BracketOn(grid.Planes.Angles, c, planeHint);
    const Bracket vertical =
        BracketOn(grid.Verticals.Angles, v, hints ? &hints->Vertical : nullptr);
    if (!plane.Inside || !vertical.Inside)
        return 0;
    const auto along = [&grid, &vertical](std::size_t p) {
        return (1 - vertical.Fraction) * grid.Value(p, vertical.Lower) +
               (vertical.Fraction > 0 ? vertical.Fraction * grid.Value(p, vertical.Upper) : 0);
    };
    return (1 - plane.Fraction) * along(plane.Lower) +
           (plane.Fraction > 0 ? plane.Fraction * along(plane.Upper) : 0);
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
