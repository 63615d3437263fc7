// Flux of analytic distributions: exact for the interpolant, zones cut inside cells, every
// symmetry form equal to the same distribution stored in full.

#include "SummaryRecords.h"
#include "summary/PhotometricSummary.h"
#include "summary/SymmetryCompletion.h"

#include <gtest/gtest.h>

namespace {

using namespace lumetra;
using namespace lumetra::testing;
using summary::Summarize;

// The flux of an axial record's interpolant, integrated numerically cell by cell (five-point
// Gauss-Legendre is exact to rounding for a linear function times sin over a few degrees).
long double GaussAxialFlux(const tArrEx& g, const tArrEx& values) {
    const long double x[] = {0, 0.5384693101056831L, 0.9061798459386640L};
    const long double w[] = {0.5688888888888889L, 0.4786286704993665L, 0.2369268850561891L};
    long double total = 0;
    for (std::size_t k = 0; k + 1 < g.size(); ++k) {
        const long double mid = (g[k] + g[k + 1]) / 2, half = (g[k + 1] - g[k]) / 2;
        for (int i = -2; i <= 2; ++i) {
            const long double at = mid + (i < 0 ? -x[-i] : x[i]) * half;
            const long double f =
                values[k] + (values[k + 1] - values[k]) * (at - g[k]) / (2 * half);
            total += w[i < 0 ? -i : i] * f * std::sin(Radians(at)) * Radians(half);
        }
    }
    return 2 * kPi * total;
}

struct AxialRow {
    const char* name;
    tArrEx gammas;
    long double (*intensity)(long double gamma);
    long double analyticFlux; // of the distribution itself; the interpolant is checked exactly
    long double analyticTolerance;
};

TEST(Flux, AxialDistributionsMatchTheirInterpolantExactly) {
    const AxialRow rows[] = {
        {"isotropic", Steps(0, 180, 5), [](long double) { return 100.0L; }, 400 * kPi, 1e-15L},
        {"isotropic, cells cut at zones", Steps(0, 180, 7.5L), [](long double) { return 100.0L; },
         400 * kPi, 1e-15L},
        {"Lambertian downlight", Steps(0, 180, 2.5L),
         [](long double g) { return g <= 90 ? 1000 * std::cos(Radians(g)) : 0.0L; }, 1000 * kPi,
         1e-3L},
        {"cos^20 spot", Steps(0, 90, 5),
         [](long double g) { return 5000 * std::pow(std::cos(Radians(g)), 20); },
         2 * kPi * 5000 / 21, 2e-2L},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const tIES record = Distribution(
            {0}, row.gammas, [&](long double, long double g) { return row.intensity(g); });
        const auto s = Summarize(record, FactsOfType(1));
        ASSERT_TRUE(s.Flux);
        EXPECT_TRUE(Near(*s.Flux, GaussAxialFlux(row.gammas, record.Candela[0]), *s.Flux * 1e-14L));
        EXPECT_TRUE(Near(*s.Flux, row.analyticFlux, row.analyticFlux * row.analyticTolerance));
        EXPECT_TRUE(Near(*s.DownwardFlux + *s.UpwardFlux, *s.Flux, *s.Flux * 1e-15L));
        EXPECT_EQ(s.ZonalFlux[5], s.Flux);
    }
}

TEST(Flux, IsotropicZonesAreSphericalCaps) {
    const tIES record = Distribution({0}, Steps(0, 180, 7.5L), [](auto, auto) { return 10.0L; });
    const auto s = Summarize(record, FactsOfType(1));
    for (std::size_t z = 0; z < summary::kZones.size(); ++z) {
        const auto& zone = summary::kZones[z];
        const long double cap =
            20 * kPi * (std::cos(Radians(zone.From)) - std::cos(Radians(zone.To)));
        EXPECT_TRUE(Near(*s.ZonalFlux[z], cap, 1e-15L * 40 * kPi)) << zone.Name;
    }
    EXPECT_TRUE(Near(*s.DownwardFluxFraction, 0.5L, 1e-17L));
}

// Each row's shape has only its own symmetry, and none is linear between the planes that
// completion adds, so a missing or misplaced mirror plane changes the flux.
struct SymmetryRow {
    tArrEx stored;
    const char* name;
    tArrEx full;                         // the completed planes, stored as they are
    long double (*shape)(long double c); // factor by C-plane
};

long double BilateralC90(long double c) {
    return 1 + std::sin(Radians(c)) / 3 + std::pow(std::cos(Radians(c)), 2) / 4;
}

TEST(Flux, EverySymmetryFormEqualsTheFullDistribution) {
    const auto profile = [](long double g) {
        return g <= 90 ? 1000 * std::pow(std::cos(Radians(g)), 4) + 20 : 50.0L;
    };
    const SymmetryRow rows[] = {
        {{0}, "axial", Steps(0, 360, 15), [](long double) { return 1.0L; }},
        {Steps(0, 90, 15), "quadrant", Steps(0, 360, 15),
         [](long double c) {
             return 1 + std::cos(2 * Radians(c)) / 2 + std::pow(std::sin(2 * Radians(c)), 2) / 3;
         }},
        {Steps(0, 180, 15), "bilateral C0-C180", Steps(0, 360, 15),
         [](long double c) {
             return 1 + std::cos(Radians(c)) / 3 + std::pow(std::sin(Radians(c)), 2) / 4;
         }},
        {Steps(90, 270, 15), "bilateral C90-C270", Steps(0, 360, 15), BilateralC90},
        // Uneven planes, C0 and C180 not among them: each mirror plane has its own place.
        {{90, 135, 200, 270}, "bilateral C90-C270", {45, 90, 135, 200, 270, 340}, BilateralC90},
        {Steps(0, 345, 15), "none", Steps(0, 360, 15),
         [](long double c) { return 1 + std::sin(Radians(c)) / 3 + std::cos(2 * Radians(c)) / 5; }},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const auto intensity = [&](long double c, long double g) {
            return row.shape(c) * profile(g);
        };
        const tArrEx gammas = Steps(0, 180, 5);
        const auto part = Summarize(Distribution(row.stored, gammas, intensity), FactsOfType(1));
        const auto full = Summarize(Distribution(row.full, gammas, intensity), FactsOfType(1));
        EXPECT_EQ(part.Symmetry, row.name);
        for (std::size_t z = 0; z < summary::kZones.size(); ++z)
            EXPECT_TRUE(Near(*part.ZonalFlux[z], *full.ZonalFlux[z], *full.Flux * 1e-14L));
        for (std::size_t i = 0; i < 2; ++i) {
            EXPECT_TRUE(Near(*part.BeamAngle[i], *full.BeamAngle[i], 1e-12L));
            EXPECT_TRUE(Near(*part.FieldAngleCIE[i], *full.FieldAngleCIE[i], 1e-12L));
        }
    }
}

TEST(Flux, SymmetryNamesFollowTheFirstAndLastAngles) {
    const std::pair<tArrEx, const char*> rows[] = {
        {{0, 360}, "none"},
        {Steps(0, 337.5L, 22.5L), "none"},
        {Steps(0, 270, 15), "irregular"},
        {{10, 100}, "irregular"},
        {{90, 270}, "bilateral C90-C270"},
    };
    for (const auto& [angles, name] : rows)
        EXPECT_EQ(summary::SymmetryName(summary::ClassifySymmetry(angles)), name);
}

} // namespace
