#include "ComparedAngles.h"

#include <algorithm>
#include <cmath>

namespace lumetra::compare {

namespace {

using summary::IntensityGrid;

// The usable stored angles of an axis, ascending, as the grid refers to them.
tArrEx StoredAngles(const tArrEx& stored, const summary::AngleAxis& axis) {
    tArrEx angles;
    for (const std::size_t source : axis.Source)
        angles.push_back(stored[source]);
    std::sort(angles.begin(), angles.end());
    angles.erase(std::unique(angles.begin(), angles.end()), angles.end());
    return angles;
}

tArrEx StoredPlanes(const IntensityGrid& grid) {
    return StoredAngles(grid.Record->HorizontalAngles, grid.Planes);
}

tArrEx StoredVerticals(const IntensityGrid& grid) {
    return StoredAngles(grid.Record->VerticalAngles, grid.Verticals);
}

bool ShareGrid(std::span<const IntensityGrid* const> grids) {
    const tArrEx planes = StoredPlanes(*grids.front());
    const tArrEx verticals = StoredVerticals(*grids.front());
    return std::all_of(grids.begin(), grids.end(), [&](const IntensityGrid* grid) {
        return StoredPlanes(*grid) == planes && StoredVerticals(*grid) == verticals;
    });
}

void SortUnique(tArrEx& angles) {
    std::sort(angles.begin(), angles.end());
    angles.erase(std::unique(angles.begin(), angles.end()), angles.end());
}

// A periodic plane axis is brought into [0, 360): 360 and 0 are one plane.
long double PlaneInTurn(long double c, bool periodic) {
    if (!periodic)
        return c;
    const long double turned = summary::IntoTurn(c, 0);
    return turned >= 360 ? turned - 360 : turned;
}

ComparedAngles UnionOf(std::span<const IntensityGrid* const> grids) {
    ComparedAngles angles;
    for (const IntensityGrid* grid : grids) {
        for (const long double c : grid->Planes.Angles)
            angles.Planes.push_back(PlaneInTurn(c, grid->Periodic));
        angles.Verticals.insert(angles.Verticals.end(), grid->Verticals.Angles.begin(),
                                grid->Verticals.Angles.end());
    }
    SortUnique(angles.Planes);
    SortUnique(angles.Verticals);
    return angles;
}

// Both axes shrunk by the same ratio until their product fits.
void ThinToLimit(ComparedAngles& angles) {
    const long double points = static_cast<long double>(angles.Planes.size()) *
                               static_cast<long double>(angles.Verticals.size());
    if (points <= kMaxComparedDirections)
        return;
    const long double ratio = std::sqrt(kMaxComparedDirections / points);
    const auto shrunk = [ratio](std::size_t n) {
        return std::max<std::size_t>(2, static_cast<std::size_t>(std::floor(n * ratio)));
    };
    angles.Planes = Thinned(angles.Planes, shrunk(angles.Planes.size()));
    angles.Verticals = Thinned(angles.Verticals, shrunk(angles.Verticals.size()));
    angles.Thinned = true;
}

} // namespace

tArrEx Thinned(const tArrEx& axis, std::size_t count) {
    if (axis.size() <= count || count < 2)
        return axis;
    tArrEx kept;
    kept.reserve(count);
    const long double step = static_cast<long double>(axis.size() - 1) / (count - 1);
    for (std::size_t i = 0; i < count; ++i)
        kept.push_back(axis[static_cast<std::size_t>(std::llround(i * step))]);
    return kept;
}

ComparedAngles AnglesToCompare(std::span<const IntensityGrid* const> grids) {
    if (grids.empty())
        return {};
    if (ShareGrid(grids)) {
        ComparedAngles angles{StoredPlanes(*grids.front()), StoredVerticals(*grids.front()), true,
                              false};
        ThinToLimit(angles);
        return angles;
    }
    ComparedAngles angles = UnionOf(grids);
    ThinToLimit(angles);
    return angles;
}

} // namespace lumetra::compare
