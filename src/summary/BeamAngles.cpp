#include "BeamAngles.h"

#include <cmath>

namespace lumetra::summary {

namespace {

// The vertical angles on the circle: only directions on the sphere, 0 to 180.
std::vector<std::size_t> OnSphere(const tArrEx& gammas) {
    std::vector<std::size_t> indices;
    for (std::size_t k = 0; k < gammas.size(); ++k)
        if (gammas[k] >= 0 && gammas[k] <= 180)
            indices.push_back(k);
    return indices;
}

// The step from `from` in direction `dir`: the next point's index, or none when the walk
// cannot go on (the end of a line, or a step out of the stored range).
std::optional<std::size_t> NextPoint(const Walkway& way, std::size_t from, int dir) {
    const std::size_t n = way.Points.size();
    if (dir > 0) {
        if (!way.OpenAfter[from])
            return std::nullopt;
        return from + 1 < n ? from + 1 : 0;
    }
    const std::size_t before = from > 0 ? from - 1 : n - 1;
    if (!way.OpenAfter[before])
        return std::nullopt;
    return before;
}

long double StepLength(const Walkway& way, std::size_t from, std::size_t to, int dir) {
    const long double d =
        dir > 0 ? way.Points[to].T - way.Points[from].T : way.Points[from].T - way.Points[to].T;
    return d < 0 ? d + 360 : d; // the step through 180 on a circle
}

// Arc from the start to where the intensity first falls below the threshold, going one way;
// none when the walk comes round to the start without falling below it.
std::optional<long double> Walk(const Walkway& way, std::size_t start, int dir,
                                long double threshold) {
    long double travelled = 0;
    std::size_t at = start;
    for (std::size_t steps = 0; steps < way.Points.size(); ++steps) {
        const std::optional<std::size_t> next = NextPoint(way, at, dir);
        if (!next)
            return travelled;
        const long double step = StepLength(way, at, *next, dir);
        const long double fa = way.Points[at].F;
        const long double fb = way.Points[*next].F;
        if (fb < threshold)
            return travelled + (fa - threshold) / (fa - fb) * step;
        travelled += step;
        at = *next;
    }
    return std::nullopt;
}

std::optional<long double> AngleFrom(const Walkway& way, std::size_t start, long double share) {
    const long double peak = way.Points[start].F;
    if (!(peak > 0) || !std::isfinite(peak))
        return std::nullopt;
    const long double threshold = share * peak;
    const auto ahead = Walk(way, start, +1, threshold);
    const auto behind = Walk(way, start, -1, threshold);
    if (!ahead || !behind || *ahead + *behind > 360)
        return std::nullopt;
    return *ahead + *behind;
}

bool Precedes(const WalkPoint& a, const WalkPoint& b) {
    if (a.F != b.F)
        return a.F > b.F;
    if (std::fabs(a.T) != std::fabs(b.T))
        return std::fabs(a.T) < std::fabs(b.T);
    return a.T > b.T;
}

} // namespace

Walkway PlanePairCircle(const IntensityGrid& grid, long double c) {
    const tArrEx& gammas = grid.Verticals.Angles;
    const tArrEx near = ProfileAtPlaneAngle(grid, c);
    const tArrEx far = ProfileAtPlaneAngle(grid, c + 180);
    const std::vector<std::size_t> onSphere = OnSphere(gammas);
    Walkway way;
    way.Circular = true;
    for (auto k = onSphere.rbegin(); k != onSphere.rend(); ++k)
        if (gammas[*k] > 0 && gammas[*k] < 180)
            way.Points.push_back({-gammas[*k], far[*k]});
    for (const std::size_t k : onSphere)
        way.Points.push_back({gammas[k], near[k]});
    way.OpenAfter.assign(way.Points.size(), true);
    const bool zeroStored = !onSphere.empty() && gammas[onSphere.front()] == 0;
    const bool halfTurnStored = !onSphere.empty() && gammas[onSphere.back()] == 180;
    for (std::size_t i = 0; i + 1 < way.Points.size(); ++i)
        if (way.Points[i].T < 0 && way.Points[i + 1].T > 0 && !zeroStored)
            way.OpenAfter[i] = false;
    if (!way.Points.empty() && !halfTurnStored)
        way.OpenAfter.back() = false;
    return way;
}

Walkway Line(const tArrEx& angles, const tArrEx& intensities) {
    Walkway way;
    for (std::size_t i = 0; i < angles.size(); ++i)
        way.Points.push_back({angles[i], intensities[i]});
    way.OpenAfter.assign(way.Points.size(), true);
    if (!way.Points.empty())
        way.OpenAfter.back() = false;
    return way;
}

std::optional<long double> MaxBasedAngle(const Walkway& way, long double share) {
    if (way.Points.empty())
        return std::nullopt;
    std::size_t start = 0;
    for (std::size_t i = 1; i < way.Points.size(); ++i)
        if (Precedes(way.Points[i], way.Points[start]))
            start = i;
    return AngleFrom(way, start, share);
}

std::optional<long double> CentreBasedAngle(const Walkway& way, long double share) {
    for (std::size_t i = 0; i < way.Points.size(); ++i)
        if (way.Points[i].T == 0)
            return AngleFrom(way, i, share);
    return std::nullopt;
}

} // namespace lumetra::summary
