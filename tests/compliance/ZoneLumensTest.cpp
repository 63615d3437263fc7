// Zone lumens against distributions whose zonal integrals are known in closed form.

#include "ComplianceRecords.h"
#include "compliance/AzimuthWeights.h"
#include "compliance/BugRating.h"
#include "summary/PhotometricSummary.h"
#include "support/Samples.h"

namespace lumetra::compliance {
namespace {

using testing::Close;
using testing::CosDegrees;
using testing::kPi;

// The solid angle of a gamma band over an azimuth range of `degrees`.
long double BandSolidAngle(long double from, long double to, long double degrees) {
    return degrees * kPi / 180 * (CosDegrees(from) - CosDegrees(to));
}

// An isotropic source of 1000 cd stored as one plane, as a full turn, and as uneven planes: each
// zone holds 1000 cd times its solid angle, whatever the front.
struct IsotropicCase {
    const char* Name;
    tArrEx Planes;
    long double Front;
};

class IsotropicZones : public ::testing::TestWithParam<IsotropicCase> {};

TEST_P(IsotropicZones, EachZoneIsIntensityTimesSolidAngle) {
    const IsotropicCase& param = GetParam();
    const tIES record = testing::Distribution(param.Planes, testing::Steps(0, 180, 7.5L),
                                              [](long double, long double) { return 1000.0L; });
    const BugRating rating = RateBug(record, testing::TypeCFacts(), param.Front);
    ASSERT_TRUE(rating.Figures);
    const BugFigures& f = *rating.Figures;
    for (std::size_t z = 0; z < kBugZoneCount; ++z) {
        const ZoneBounds& zone = kZoneBounds[z];
        const long double azimuth = zone.Azimuth == Side::All ? 360 : 180;
        EXPECT_TRUE(Close(f.Zones[z], 1000 * BandSolidAngle(zone.From, zone.To, azimuth)))
            << kBugZoneNames[z];
    }
    EXPECT_TRUE(Close(f.Total, 4000 * kPi));
    EXPECT_TRUE(Close(f.Forward, f.Back));
    EXPECT_TRUE(f.UplightDataComplete);
}

INSTANTIATE_TEST_SUITE_P(
    Planes, IsotropicZones,
    ::testing::Values(IsotropicCase{"OnePlane", {0}, 0},
                      IsotropicCase{"FullTurn", testing::Steps(0, 360, 15), 0},
                      IsotropicCase{"UnevenFrontInsideCells", {0, 10, 35, 100, 200, 290}, 37},
                      IsotropicCase{"NegativeFront", {0, 10, 35, 100, 200, 290}, -123.5L}),
    [](const auto& test) { return std::string(test.param.Name); });

// 1000 cd in the lower half, none stored above 90: no uplight, and the file says nothing about it.
TEST(ZoneLumens, UniformHalfSpaceStoredToNinety) {
    const tIES record = testing::Distribution(testing::Steps(0, 360, 30), testing::Steps(0, 90, 5),
                                              [](long double, long double) { return 1000.0L; });
    const BugRating rating = RateBug(record, testing::TypeCFacts());
    ASSERT_TRUE(rating.Figures);
    const BugFigures& f = *rating.Figures;
    EXPECT_TRUE(Close(f.Zones[FL], 1000 * BandSolidAngle(0, 30, 180)));
    EXPECT_TRUE(Close(f.Zones[BVH], 1000 * BandSolidAngle(80, 90, 180)));
    EXPECT_EQ(f.Zones[UL], 0);
    EXPECT_EQ(f.Zones[UH], 0);
    EXPECT_TRUE(Close(f.Total, 2000 * kPi));
    EXPECT_FALSE(f.UplightDataComplete);
    EXPECT_EQ(f.U, 0);
}

// Stored to 90 but dark there: the file is complete, the lower half simply ends in darkness.
TEST(ZoneLumens, DarkAtLastStoredAngleIsComplete) {
    const tIES record =
        testing::Distribution({0}, testing::Steps(0, 90, 10),
                              [](long double, long double g) { return g < 90 ? 500.0L : 0.0L; });
    const BugRating rating = RateBug(record, testing::TypeCFacts());
    ASSERT_TRUE(rating.Figures);
    EXPECT_TRUE(rating.Figures->UplightDataComplete);
}

// Intensity linear in C over a full turn stored 0..360 (I = 100 + C cd, the same at every
// gamma), so the front half's integral depends on where the cells are cut.
long double LinearIntegral(long double from, long double to) {
    return (100 * (to - from) + (to * to - from * from) / 2) * kPi / 180;
}

TEST(ZoneLumens, FrontHalfCutInsideCellsOfLinearAzimuth) {
    const tIES record =
        testing::Distribution(testing::Steps(0, 360, 30), testing::Steps(0, 180, 10),
                              [](long double c, long double) { return 100 + c; });
    const BugRating rating = RateBug(record, testing::TypeCFacts(), 37);
    ASSERT_TRUE(rating.Figures);
    const BugFigures& f = *rating.Figures;
    const long double front = LinearIntegral(307, 360) + LinearIntegral(0, 127);
    const long double back = LinearIntegral(127, 307);
    const long double band = CosDegrees(30) - CosDegrees(60);
    EXPECT_TRUE(Close(f.Zones[FM], front * band));
    EXPECT_TRUE(Close(f.Zones[BM], back * band));
    EXPECT_TRUE(Close(f.Zones[UH], (front + back) * (CosDegrees(100) + 1)));
}

TEST(AzimuthWeights, AddUpToTheIntervalAndSplitInsideACell) {
    summary::AngleAxis planes{{0, 90, 180, 270}, {0, 1, 2, 3}};
    const tArrEx w = AzimuthWeights(planes, 45, 90);
    // The cell 0..90 cut to 45..90: the left plane's hat falls from 0.5 to 0.
    EXPECT_TRUE(Close(w[0], 45.0L / 4 * kPi / 180));
    EXPECT_TRUE(Close(w[1], 45.0L * 3 / 4 * kPi / 180));
    EXPECT_EQ(w[2], 0);
    // Across the wrap: C0 gets three quarters of each neighbouring half cell, C270 and C90 a
    // quarter.
    const tArrEx wrapped = AzimuthWeights(planes, 315, 405);
    EXPECT_TRUE(Close(wrapped[0], 67.5L * kPi / 180));
    EXPECT_TRUE(Close(wrapped[1], 11.25L * kPi / 180));
    EXPECT_TRUE(Close(wrapped[3], 11.25L * kPi / 180));
    EXPECT_EQ(wrapped[2], 0);
}

// The ten zones add up to the summary's flux on every sample file of type C.
TEST(ZoneLumens, AddUpToSummaryFluxOnSamples) {
    int rated = 0;
    for (const std::string& folder : test::SampleFolders())
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            const testing::LoadedSample sample = testing::LoadSample(entry.path().string());
            if (!sample.Loaded || !summary::HasPhotometricData(sample.Record))
                continue;
            const BugRating rating = RateBug(sample.Record, sample.Facts);
            if (!rating.Figures)
                continue;
            const summary::PhotometricSummary s = summary::Summarize(sample.Record, sample.Facts);
            ASSERT_TRUE(s.Flux) << entry.path();
            EXPECT_TRUE(Close(rating.Figures->Total, *s.Flux, 1e-9L)) << entry.path();
            ++rated;
        }
    EXPECT_GT(rated, 50);
}

} // namespace
} // namespace lumetra::compliance
