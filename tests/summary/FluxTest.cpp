// Flux of analytic distributions: exact for the interpolant, zones cut inside cells, every
// symmetry form equal to the same distribution stored in full.

#include "SummaryRecords.h"
#include "summary/PhotometricSummary.h"
#include "summary/SymmetryCompletion.h"

namespace {

using namespace lumetra;
using namespace lumetra::testing;
using summary::Summarize;

// An axial record's interpolant integrated numerically: Simpson's rule on 256 slices per cell.
long double NumericAxialFlux(const tArrEx& g, const tArrEx& values) {
    long double total = 0;
    for (std::size_t k = 0; k + 1 < g.size(); ++k)
        for (int i = 0; i <= 256; ++i) {
            const long double u = i / 256.0L, at = g[k] + u * (g[k + 1] - g[k]);
            const long double weight = i == 0 || i == 256 ? 1 : i % 2 ? 4 : 2;
            total += weight * ((1 - u) * values[k] + u * values[k + 1]) * std::sin(Radians(at)) *
                     Radians(g[k + 1] - g[k]) / (3 * 256);
        }
    return 2 * kPi * total;
}

TEST(Flux, AxialDistributionsMatchTheirInterpolantExactly) {
    const struct {
        tArrEx gammas;
        long double (*intensity)(long double);
        long double analytic, tolerance; // of the distribution itself
        bool isotropic;
    } rows[] = {
        // clang-format off
        {Steps(0, 180, 7.5L), [](long double) { return 10.0L; }, 40 * kPi, 1e-16L, true},
        {Steps(0, 180, 2.5L), [](long double g) { return std::max(0.0L, 1000 * std::cos(Radians(g))); }, 1000 * kPi, 1e-3L, false},
        {Steps(0, 90, 5), [](long double g) { return 5000 * std::pow(std::cos(Radians(g)), 20); }, 2 * kPi * 5000 / 21, 2e-2L, false},
        // clang-format on
    };
    for (const auto& row : rows) {
        const tIES record =
            Distribution({0}, row.gammas, [&](auto, auto g) { return row.intensity(g); });
        const auto s = Summarize(record, FactsOfType(1));
        EXPECT_TRUE(
            Near(*s.Flux, NumericAxialFlux(row.gammas, record.Candela[0]), *s.Flux * 1e-12L));
        EXPECT_TRUE(Near(*s.Flux, row.analytic, row.analytic * row.tolerance));
        EXPECT_TRUE(Near(*s.DownwardFlux + *s.UpwardFlux, *s.Flux, *s.Flux * 1e-15L));
        if (!row.isotropic)
            continue;
        for (std::size_t z = 0; z < summary::kZones.size(); ++z) { // isotropic: spherical caps
            const auto& zone = summary::kZones[z];
            const long double cap =
                20 * kPi * (std::cos(Radians(zone.From)) - std::cos(Radians(zone.To)));
            EXPECT_TRUE(Near(*s.ZonalFlux[z], cap, 1e-15L * 40 * kPi)) << zone.Name;
        }
    }
}

long double Quadrant(long double c) {
    return 1 + std::cos(2 * Radians(c)) / 2 + std::pow(std::sin(2 * Radians(c)), 2) / 3;
}
long double BilateralC0(long double c) {
    return 1 + std::cos(Radians(c)) / 3 + std::pow(std::sin(Radians(c)), 2) / 4;
}
long double BilateralC90(long double c) {
    return 1 + std::sin(Radians(c)) / 3 + std::pow(std::cos(Radians(c)), 2) / 4;
}

// Each shape has only its own symmetry and none is linear between the planes that completion
// adds, so a missing or misplaced mirror plane changes the figures.
TEST(Flux, EverySymmetryFormEqualsTheFullDistribution) {
    const tArrEx turn = Steps(0, 360, 15);
    const struct {
        tArrEx stored;
        const char* name;
        tArrEx full; // the completed planes, stored as they are
        long double (*shape)(long double c);
    } rows[] = {
        {{0}, "axial", turn, [](long double) { return 1.0L; }},
        {Steps(0, 90, 15), "quadrant", turn, Quadrant},
        {Steps(0, 180, 15), "bilateral C0-C180", turn, BilateralC0},
        {Steps(90, 270, 15), "bilateral C90-C270", turn, BilateralC90},
        {{90, 135, 200, 270}, "bilateral C90-C270", {45, 90, 135, 200, 270, 340}, BilateralC90},
        {Steps(0, 345, 15), "none", turn,
         [](long double c) { return BilateralC90(c) + std::cos(Radians(c)) / 5; }},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const auto intensity = [&](long double c, long double g) {
            return row.shape(c) * (g <= 90 ? 1000 * std::pow(std::cos(Radians(g)), 4) + 20 : 50);
        };
        const auto part =
            Summarize(Distribution(row.stored, Steps(0, 180, 5), intensity), FactsOfType(1));
        const auto full =
            Summarize(Distribution(row.full, Steps(0, 180, 5), intensity), FactsOfType(1));
        EXPECT_EQ(part.Symmetry, row.name);
        for (std::size_t z = 0; z < summary::kZones.size(); ++z)
            EXPECT_TRUE(Near(*part.ZonalFlux[z], *full.ZonalFlux[z], *full.Flux * 1e-14L));
        for (std::size_t i = 0; i < 2; ++i) {
            EXPECT_TRUE(Near(*part.BeamAngle[i], *full.BeamAngle[i], 1e-12L));
            EXPECT_TRUE(Near(*part.FieldAngleCIE[i], *full.FieldAngleCIE[i], 1e-12L));
        }
    }
    for (const tArrEx& irregular : {Steps(0, 270, 15), tArrEx{10, 100}})
        EXPECT_EQ(summary::SymmetryName(summary::ClassifySymmetry(irregular)), "irregular");
}

} // namespace
