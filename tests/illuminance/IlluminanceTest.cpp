// The floor and wall grids against closed forms on synthetic records whose intensities the
// interpolant reproduces exactly (or, for the Lambertian, to far below the tolerance).

#include "illuminance/Illuminance.h"

#include "summary/SummaryRecords.h"

#include <gtest/gtest.h>

namespace lumetra::illuminance {
namespace {

using testing::Distribution;
using testing::FactsOfType;
using testing::Radians;
using testing::Steps;

constexpr long double kRelative = 1e-9L;

::testing::AssertionResult Relative(long double actual, long double expected) {
    return testing::Near(actual, expected, kRelative * std::fabs(expected) + 1e-300L);
}

summary::IntensityGrid IntensityOf(const tIES& record, long double type = 1) {
    auto intensity = TypeCIntensity(record, FactsOfType(type));
    EXPECT_TRUE(std::holds_alternative<summary::IntensityGrid>(intensity));
    return std::get<summary::IntensityGrid>(intensity);
}

long double Degrees(long double radians) {
    return radians * 180 / testing::kPi;
}

// C of the direction (dx, dy) in [0, 360).
long double PlaneAngle(long double dx, long double dy) {
    const long double c = Degrees(std::atan2(dy, dx));
    return c < 0 ? c + 360 : c;
}

// Every node of a result's floor against E(x, y) given in closed form.
template <typename Expected>
void ExpectFloor(const IlluminanceResult& result, const Expected& expected) {
    const PlaneGrid& floor = result.Floor;
    ASSERT_EQ(floor.E.size(), (result.N + 1) * (result.N + 1));
    for (std::size_t j = 0; j <= result.N; ++j)
        for (std::size_t i = 0; i <= result.N; ++i)
            ASSERT_TRUE(Relative(floor.At(i, j), expected(floor.U[i], floor.V[j])))
                << "x " << static_cast<double>(floor.U[i]) << " y "
                << static_cast<double>(floor.V[j]);
}

TEST(Illuminance, LambertianDownlightFollowsCosineToTheFourth) {
    const long double i0 = 1500;
    const tIES record = Distribution({0}, Steps(0, 90, 0.0025L), [&](long double, long double g) {
        return i0 * std::cos(Radians(g));
    });
    const auto intensity = IntensityOf(record);
    for (const long double h : {1.0L, 3.0L, 7.5L}) {
        const auto result = Calculate(intensity, {h, 12, 0.5L, {}});
        EXPECT_EQ(result.N, 24u);
        ExpectFloor(result, [&](long double x, long double y) {
            const long double cosine = h / std::sqrt(x * x + y * y + h * h);
            return i0 * std::pow(cosine, 4) / (h * h);
        });
    }
}

// Bilinear in C and gamma on every cell, so the interpolant is exact; C = 360 is the end of the
// turn, not its start, so the value jumps across C0 exactly where the definition says.
TEST(Illuminance, FullTurnDistributionFollowsPlaneAngleAndCosineLaw) {
    const auto shape = [](long double c, long double g) { return (100 + c) * (1 + g / 90); };
    const tIES record = Distribution(Steps(0, 360, 15), Steps(0, 180, 5), shape);
    const auto result = Calculate(IntensityOf(record), {2.5L, 9, 0.75L, {}});
    ExpectFloor(result, [&](long double x, long double y) {
        const long double h = 2.5L, r = std::sqrt(x * x + y * y + h * h);
        return shape(PlaneAngle(x, y), Degrees(std::acos(h / r))) * h / (r * r * r);
    });
}

// Symmetry completion: quadrant data mirrored to the whole turn, an unknown type computed as C.
TEST(Illuminance, QuadrantDataIsCompletedByMirroring) {
    const auto folded = [](long double c) {
        const long double half = std::fmod(c, 180.0L);
        return half > 90 ? 180 - half : half;
    };
    const auto shape = [&](long double c, long double g) {
        return (50 + folded(c)) * (2 - g / 90);
    };
    const tIES record = Distribution(Steps(0, 90, 10), Steps(0, 90, 2.5L), shape);
    for (const long double type : {1.0L, 0.0L, 7.0L}) {
        const auto result = Calculate(IntensityOf(record, type), {3, 10, 1, {}});
        ExpectFloor(result, [&](long double x, long double y) {
            const long double h = 3, r = std::sqrt(x * x + y * y + h * h);
            return shape(PlaneAngle(x, y), Degrees(std::acos(h / r))) * h / (r * r * r);
        });
    }
}

TEST(Illuminance, WallSeesTheLuminaireAtItsOwnAngles) {
    const long double i0 = 800;
    const tIES sphere =
        Distribution({0}, {0, 90, 180}, [&](long double, long double) { return i0; });
    const tIES downOnly = Distribution({0}, {0, 90}, [&](long double, long double) { return i0; });
    const long double h = 2, wall = 1.5L;
    const auto all = Calculate(IntensityOf(sphere), {h, 4, 0.25L, wall});
    const auto down = Calculate(IntensityOf(downOnly), {h, 4, 0.25L, wall});
    ASSERT_TRUE(all.Wall && down.Wall);
    for (std::size_t j = 0; j <= all.N; ++j)
        for (std::size_t i = 0; i <= all.N; ++i) {
            const long double y = all.Wall->U[i], z = all.Wall->V[j];
            const long double r2 = wall * wall + y * y + (z - h) * (z - h);
            ASSERT_TRUE(Relative(all.Wall->At(i, j), i0 * wall / (r2 * std::sqrt(r2))));
            // Above the luminaire gamma passes 90, where a downward-only file has no light.
            if (z > h) {
                ASSERT_EQ(down.Wall->At(i, j), 0);
            }
        }
    EXPECT_EQ(all.Wall->V.front(), 0);
    EXPECT_EQ(all.Wall->V.back(), 4);
    EXPECT_TRUE(Relative(all.Wall->Figures.Max, i0 / (wall * wall)));
    EXPECT_EQ(all.Wall->Figures.MaxAt[0], 0);
    EXPECT_EQ(all.Wall->Figures.MaxAt[1], h);
}

TEST(Illuminance, GridNodesRunRowByRowFromTheCorner) {
    const tIES record =
        Distribution({0}, {0, 90}, [](long double, long double g) { return 100 + g; });
    const auto result = Calculate(IntensityOf(record), {3, 2, 0.5L, {}});
    ASSERT_EQ(result.N, 4u);
    const tArrEx expected{-1, -0.5L, 0, 0.5L, 1};
    EXPECT_EQ(result.Floor.U, expected);
    EXPECT_EQ(result.Floor.V, expected);
    EXPECT_FALSE(result.Wall.has_value());
    // Row j = 0 is y = -1: E[1] is (x -0.5, y -1).
    EXPECT_EQ(result.Floor.E[1], FloorIlluminance(IntensityOf(record), 3, -0.5L, -1));
}

TEST(Illuminance, FiguresSummariseTheGrid) {
    const tIES record =
        Distribution({0}, Steps(0, 90, 1), [](long double, long double) { return 900; });
    const auto floor = Calculate(IntensityOf(record), {3, 6, 1, {}}).Floor;
    long double sum = 0, low = floor.E.front();
    for (const long double e : floor.E) {
        sum += e;
        low = std::min(low, e);
    }
    const PlaneFigures& f = floor.Figures;
    EXPECT_TRUE(Relative(f.Max, 100)); // 900 cd straight down from 3 m
    EXPECT_EQ(f.MaxAt, (std::array<long double, 2>{0, 0}));
    EXPECT_EQ(f.Min, low);
    EXPECT_TRUE(Relative(f.Avg, sum / 49));
    ASSERT_TRUE(f.MinOverAvg);
    EXPECT_TRUE(Relative(*f.MinOverAvg, low / f.Avg));
}

TEST(Illuminance, DarkGridHasNoUniformityAndItsFirstNodeAsMaximum) {
    const tIES record = Distribution({0}, {0, 90}, [](long double, long double) { return 0; });
    const auto f = Calculate(IntensityOf(record), {3, 4, 2, {}}).Floor.Figures;
    EXPECT_EQ(f.Max, 0);
    EXPECT_EQ(f.Avg, 0);
    EXPECT_FALSE(f.MinOverAvg.has_value());
    EXPECT_EQ(f.MaxAt, (std::array<long double, 2>{-2, -2}));
}

TEST(Illuminance, ScaleAppliesCandelaMultiplierAndBallastFactor) {
    tIES record = Distribution({0}, {0, 90}, [](long double, long double) { return 10; });
    record.CandelaMultiplier = 3;
    LuminaireFacts facts = FactsOfType(1);
    facts.BallastFactor = 0.5L;
    const auto intensity = std::get<summary::IntensityGrid>(TypeCIntensity(record, facts));
    EXPECT_TRUE(Relative(FloorIlluminance(intensity, 1, 0, 0), 15));
}

TEST(Illuminance, TypesAAndBAndEmptyRecordsAreRefused) {
    const tIES record = Distribution({0}, {0, 90}, [](long double, long double) { return 1; });
    for (const long double type : {2.0L, 3.0L}) {
        const auto intensity = TypeCIntensity(record, FactsOfType(type));
        ASSERT_TRUE(std::holds_alternative<RecordFault>(intensity));
        EXPECT_EQ(std::get<RecordFault>(intensity), RecordFault::NeedsTypeC);
    }
    const auto empty = TypeCIntensity(tIES{}, FactsOfType(1));
    ASSERT_TRUE(std::holds_alternative<RecordFault>(empty));
    EXPECT_EQ(std::get<RecordFault>(empty), RecordFault::NoPhotometricData);
}

} // namespace
} // namespace lumetra::illuminance
