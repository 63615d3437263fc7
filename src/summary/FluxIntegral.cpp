#include "FluxIntegral.h"

#include "SineCosineMemo.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace lumetra::summary {

namespace {

constexpr long double kRadiansPerDegree = std::numbers::pi_v<long double> / 180;

// Width in degrees of the interval after plane i (the wrap interval after the last plane of a
// periodic axis; none after the last plane of an open one).
long double WidthAfter(const IntensityGrid& grid, std::size_t i) {
    const tArrEx& a = grid.Planes.Angles;
    if (i + 1 < a.size())
        return a[i + 1] - a[i];
    return grid.Periodic ? a.front() + 360 - a[i] : 0;
}

// sin and cos of an angle in radians. An inner angle ends one cell and starts the next: its sine
// and cosine are computed once for both (long double trigonometry is most of the summary's time).
struct SineCosine {
    long double x = std::numeric_limits<long double>::quiet_NaN();
    long double sin = 0;
    long double cos = 0;

    const SineCosine& At(long double angle) {
        if (angle != x) {
            x = angle;
            const SineAndCosine pair = SineCosineOf(angle);
            sin = pair.sin;
            cos = pair.cos;
        }
        return *this;
    }
};

// Antiderivative of the linear cell function (value at x = p, slope q) times sin or cos.
using Antiderivative = long double (*)(long double p, long double q, const SineCosine& x);

long double SineAntiderivative(long double p, long double q, const SineCosine& x) {
    return -p * x.cos + q * x.sin;
}

long double CosineAntiderivative(long double p, long double q, const SineCosine& x) {
    return p * x.sin + q * x.cos;
}

// Sum over the cells of P of the integral over [from, to], each cell cut at the bounds.
long double IntegrateCells(const tArrEx& verticals, const tArrEx& profile, long double from,
                           long double to, Antiderivative antiderivative) {
    long double total = 0;
    SineCosine at;
    for (std::size_t k = 0; k + 1 < verticals.size(); ++k) {
        const long double g0 = verticals[k];
        const long double g1 = verticals[k + 1];
        const long double a = std::max(g0, from);
        const long double b = std::min(g1, to);
        if (!(g1 > g0) || !(b > a))
            continue;
        const long double slope = (profile[k + 1] - profile[k]) / ((g1 - g0) * kRadiansPerDegree);
        const auto valueAt = [&](long double g) {
            return profile[k] + slope * (g - g0) * kRadiansPerDegree;
        };
        const long double start = antiderivative(valueAt(a), slope, at.At(a * kRadiansPerDegree));
        const long double end = antiderivative(valueAt(b), slope, at.At(b * kRadiansPerDegree));
        total += end - start;
    }
    return total;
}

// Each plane's weight over the whole turn (or line): half the width of the intervals beside it.
tArrEx WholeWeights(const IntensityGrid& grid) {
    const std::size_t planes = grid.Planes.Angles.size();
    tArrEx weights(planes, 0.0L);
    long double widthBefore = grid.Periodic && planes > 0 ? WidthAfter(grid, planes - 1) : 0;
    for (std::size_t i = 0; i < planes; ++i) {
        const long double widthAfter = WidthAfter(grid, i);
        weights[i] = (widthBefore + widthAfter) / 2 * kRadiansPerDegree;
        widthBefore = widthAfter;
    }
    return weights;
}

} // namespace

tArrEx WeightedProfile(const IntensityGrid& grid) {
    return WeightedProfile(grid, WholeWeights(grid));
}

tArrEx WeightedProfile(const IntensityGrid& grid, const tArrEx& planeWeights) {
    const std::vector<std::size_t>& rows = grid.Verticals.Source;
    tArrEx profile(rows.size(), 0.0L);
    for (std::size_t i = 0; i < planeWeights.size() && i < grid.Planes.Source.size(); ++i) {
        const long double weight = planeWeights[i];
        if (weight == 0)
            continue;
        const tArrEx& stored = grid.Record->Candela[grid.Planes.Source[i]];
        for (std::size_t v = 0; v < rows.size(); ++v)
            profile[v] += weight * stored[rows[v]];
    }
    for (long double& value : profile)
        value *= grid.Scale; // once here rather than once per stored value
    return profile;
}

long double IntegrateSine(const tArrEx& verticals, const tArrEx& profile, long double from,
                          long double to) {
    return IntegrateCells(verticals, profile, from, to, SineAntiderivative);
}

long double IntegrateCosine(const tArrEx& verticals, const tArrEx& profile, long double from,
                            long double to) {
    return IntegrateCells(verticals, profile, from, to, CosineAntiderivative);
}

} // namespace lumetra::summary
