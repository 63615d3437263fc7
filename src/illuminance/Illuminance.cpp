#include "Illuminance.h"

#include "PlaneFigures.h"
#include "summary/CompletedGrid.h"
#include "summary/PhotometricSummary.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace lumetra::illuminance {

namespace {

constexpr double kDegreesPerRadian = 180 / std::numbers::pi;

// Where a grid node lies seen from the photometric centre, and the cosine of incidence on its
// surface as facing / r.
struct Offset {
    long double dx, dy, dz, facing;
};

// The direction's angles in double precision: an error of 1e-16 degrees moves E by far less
// than its own rounding, and the extended-precision arc tangent would cost most of the grid's
// time. C comes in [0, 360), which the summary's bracket takes without bringing it into the turn.
struct Direction {
    double c = 0;
    double gamma = 0;
};

Direction DirectionOf(const Offset& o) {
    const double dx = static_cast<double>(o.dx), dy = static_cast<double>(o.dy);
    const double c = std::atan2(dy, dx) * kDegreesPerRadian;
    return {c < 0 ? c + 360 : c,
            std::atan2(std::sqrt(dx * dx + dy * dy), static_cast<double>(-o.dz)) *
                kDegreesPerRadian};
}

// The inverse-square and cosine law: facing / r^3.
long double Geometry(const Offset& o) {
    const long double r2 = o.dx * o.dx + o.dy * o.dy + o.dz * o.dz;
    return o.facing / (r2 * std::sqrt(r2));
}

long double IlluminanceAt(const summary::IntensityGrid& intensity, const Offset& o,
                          summary::IntensityHints* hints) {
    const Direction d = DirectionOf(o);
    return summary::IntensityAt(intensity, d.c, d.gamma, hints) * Geometry(o);
}

template <typename OffsetOf>
PlaneGrid Sampled(const summary::IntensityGrid& intensity, tArrEx u, tArrEx v,
                  const OffsetOf& offsetOf) {
    PlaneGrid grid{std::move(u), std::move(v), {}, {}};
    grid.E.reserve(grid.U.size() * grid.V.size());
    summary::IntensityHints hints;
    for (const long double b : grid.V)
        for (const long double a : grid.U)
            grid.E.push_back(IlluminanceAt(intensity, offsetOf(a, b), &hints));
    grid.Figures = FiguresOf(grid);
    return grid;
}

// The floor's nodes mirror each other across both axes and the diagonals (the coordinates are
// exactly antisymmetric), so the angles and the geometry are worked out for one eighth of them:
// the node at |x| = a, |y| = b (a >= b, as multiples of half a step) sees the luminaire at the
// same gamma and distance as its mirror images, at C = t, 90 - t, 180 -+ t, 360 - t ...
struct OctantNode {
    double t = 0; // atan2(b, a) in degrees, 0..45
    double gamma = 0;
    long double geometry = 0;
};

class FloorOctant {
  public:
    FloorOctant(const tArrEx& nodes, long double height)
        : half_(nodes.size() / 2 + 1), entries_(half_ * half_) {
        const std::size_t n = nodes.size() - 1;
        for (std::size_t p = 0; p < half_; ++p)
            for (std::size_t q = 0; q <= p; ++q) {
                const Offset o{nodes[n - MirrorIndex(p, n)], nodes[n - MirrorIndex(q, n)], -height,
                               height};
                const Direction d = DirectionOf(o);
                entries_[p * half_ + q] = {d.c, d.gamma, Geometry(o)};
            }
    }

    // C and gamma of node (i, j) of a grid of n steps, and its geometry factor.
    std::pair<Direction, long double> At(std::size_t i, std::size_t j, std::size_t n) const {
        const std::size_t p = Distance(i, n), q = Distance(j, n);
        const bool steep = q > p;
        const OctantNode& e = entries_[steep ? q * half_ + p : p * half_ + q];
        const double theta = steep ? 90 - e.t : e.t; // in the quadrant x >= 0, y >= 0
        const bool left = 2 * i < n, below = 2 * j < n;
        double c = theta;
        if (left)
            c = below ? 180 + theta : 180 - theta;
        else if (below)
            c = 360 - theta;
        return {{c, e.gamma}, e.geometry};
    }

  private:
    // |2i - n| / 2, rounded down: how far node i lies from the centre, in whole steps.
    static std::size_t Distance(std::size_t i, std::size_t n) {
        return (2 * i > n ? 2 * i - n : n - 2 * i) / 2;
    }
    // The index of the node on the negative side at distance p: the one whose Distance is p.
    static std::size_t MirrorIndex(std::size_t p, std::size_t n) { return (n - (n % 2)) / 2 - p; }

    std::size_t half_;
    std::vector<OctantNode> entries_;
};

PlaneGrid FloorGrid(const summary::IntensityGrid& intensity, const tArrEx& nodes,
                    long double height) {
    const FloorOctant octant(nodes, height);
    const std::size_t n = nodes.size() - 1;
    PlaneGrid grid{nodes, nodes, {}, {}};
    grid.E.reserve(nodes.size() * nodes.size());
    summary::IntensityHints hints;
    for (std::size_t j = 0; j <= n; ++j)
        for (std::size_t i = 0; i <= n; ++i) {
            const auto [direction, geometry] = octant.At(i, j, n);
            grid.E.push_back(summary::IntensityAt(intensity, direction.c, direction.gamma, &hints) *
                             geometry);
        }
    grid.Figures = FiguresOf(grid);
    return grid;
}

} // namespace

std::variant<summary::IntensityGrid, RecordFault> TypeCIntensity(const tIES& record,
                                                                 const LuminaireFacts& facts) {
    if (!summary::IsTypeC(KindOf(facts.PhotometricType)))
        return RecordFault::NeedsTypeC;
    if (!summary::HasPhotometricData(record))
        return RecordFault::NoPhotometricData;
    return summary::TypeCGrid(record, summary::CandelaScale(record, facts)).Grid;
}

long double FloorIlluminance(const summary::IntensityGrid& intensity, long double height,
                             long double x, long double y, summary::IntensityHints* hints) {
    return IlluminanceAt(intensity, {x, y, -height, height}, hints);
}

long double WallIlluminance(const summary::IntensityGrid& intensity, long double height,
                            long double distance, long double y, long double z,
                            summary::IntensityHints* hints) {
    return IlluminanceAt(intensity, {distance, y, z - height, distance}, hints);
}

tArrEx NodeCoordinates(long double size, std::size_t n, bool centred) {
    tArrEx nodes(n + 1);
    // Centred nodes as (2i - n) size / 2n, so that they are exactly antisymmetric.
    const long double twice = 2 * static_cast<long double>(n);
    for (std::size_t i = 0; i <= n; ++i) {
        const auto k =
            static_cast<long double>(2 * i) - (centred ? static_cast<long double>(n) : 0);
        nodes[i] = k * size / twice;
    }
    return nodes;
}

IlluminanceResult Calculate(const summary::IntensityGrid& intensity,
                            const IlluminanceRequest& request) {
    IlluminanceResult result{request, WholeSteps(request.Size, request.Step).value_or(1), {}, {}};
    const long double h = request.Height;
    const tArrEx across = NodeCoordinates(request.Size, result.N, true);
    result.Floor = FloorGrid(intensity, across, h);
    if (request.Wall) {
        const long double distance = *request.Wall;
        result.Wall = Sampled(intensity, across, NodeCoordinates(request.Size, result.N, false),
                              [h, distance](long double y, long double z) {
                                  return Offset{distance, y, z - h, distance};
                              });
    }
    return result;
}

} // namespace lumetra::illuminance
