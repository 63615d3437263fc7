// The threshold table at its inclusive limits, the glare table's choice, the conventions and the
// rating of the sample files.

#include "compliance/BugRating.h"

#include "ComplianceRecords.h"
#include "compliance/BugThresholds.h"
#include "compliance/ComplianceText.h"
#include "support/Samples.h"

#include <regex>

namespace lumetra::compliance {
namespace {

struct ThresholdCase {
    BugZone Zone;
    long double Lumens;
    int B, U, GAsymmetric, GSymmetric;
};

// One zone lit at a time: exactly at a limit keeps the lower rating, just above it does not.
class Thresholds : public ::testing::TestWithParam<ThresholdCase> {};

TEST_P(Thresholds, RateTheLitZone) {
    const ThresholdCase& c = GetParam();
    ZoneFlux flux{};
    flux[c.Zone] = c.Lumens;
    EXPECT_EQ(RatingOf(kBacklightRows, flux), c.B);
    EXPECT_EQ(RatingOf(kUplightRows, flux), c.U);
    EXPECT_EQ(RatingOf(kGlareAsymmetricRows, flux), c.GAsymmetric);
    EXPECT_EQ(RatingOf(kGlareSymmetricRows, flux), c.GSymmetric);
}

constexpr long double kAbove = 1e-9L;

INSTANTIATE_TEST_SUITE_P(
    Limits, Thresholds,
    ::testing::Values(
        ThresholdCase{BL, 110, 0, 0, 0, 0}, ThresholdCase{BL, 110 + kAbove, 1, 0, 0, 0},
        ThresholdCase{BM, 220, 0, 0, 0, 0}, ThresholdCase{BM, 1000, 1, 0, 0, 0},
        ThresholdCase{BM, 8500, 4, 0, 0, 0}, ThresholdCase{BM, 8500 + kAbove, 5, 0, 0, 0},
        ThresholdCase{BH, 110, 0, 0, 0, 0}, ThresholdCase{BH, 500, 1, 0, 1, 0},
        ThresholdCase{BH, 660, 2, 0, 2, 0}, ThresholdCase{BH, 660 + kAbove, 2, 0, 2, 1},
        ThresholdCase{BH, 5000, 4, 0, 4, 2}, ThresholdCase{BH, 12000 + kAbove, 5, 0, 5, 5},
        ThresholdCase{UH, 0, 0, 0, 0, 0}, ThresholdCase{UH, kAbove, 0, 1, 0, 0},
        ThresholdCase{UL, 10, 0, 1, 0, 0}, ThresholdCase{UL, 1000, 0, 4, 0, 0},
        ThresholdCase{UL, 1000 + kAbove, 0, 5, 0, 0}, ThresholdCase{FVH, 10, 0, 0, 0, 0},
        ThresholdCase{FVH, 225, 0, 0, 2, 2}, ThresholdCase{BVH, 750 + kAbove, 0, 0, 5, 5},
        ThresholdCase{FH, 660, 0, 0, 0, 0}, ThresholdCase{FH, 1800 + kAbove, 0, 0, 2, 2},
        ThresholdCase{FL, 1e6L, 0, 0, 0, 0}, ThresholdCase{FM, 1e6L, 0, 0, 0, 0}));

TEST(Thresholds, WorstZoneOfALetterDecides) {
    ZoneFlux flux{};
    flux[BL] = 100;  // B0 alone
    flux[BM] = 2400; // B2 alone
    flux[BH] = 600;  // B2 alone
    EXPECT_EQ(RatingOf(kBacklightRows, flux), 2);
}

struct GlareTableCase {
    const char* Name;
    tArrEx Planes;
    long double Front;
    GlareTable Expected;
};

class GlareTableChoice : public ::testing::TestWithParam<GlareTableCase> {};

TEST_P(GlareTableChoice, FollowsTheStoredSymmetryAndTheFront) {
    const GlareTableCase& c = GetParam();
    const tIES record = testing::Distribution(c.Planes, testing::Steps(0, 90, 10),
                                              [](long double, long double) { return 50.0L; });
    const BugRating rating = RateBug(record, testing::TypeCFacts(), c.Front);
    ASSERT_TRUE(rating.Figures);
    EXPECT_EQ(rating.Figures->Table, c.Expected);
    const int expectedG = c.Expected == GlareTable::Symmetric ? rating.Figures->GSymmetric
                                                              : rating.Figures->GAsymmetric;
    EXPECT_EQ(rating.Figures->G, expectedG);
}

INSTANTIATE_TEST_SUITE_P(
    Symmetries, GlareTableChoice,
    ::testing::Values(
        GlareTableCase{"OnePlane", {0}, 0, GlareTable::Symmetric},
        GlareTableCase{"Quadrant", testing::Steps(0, 90, 15), 0, GlareTable::Symmetric},
        GlareTableCase{"C90C270FrontC0", testing::Steps(90, 270, 15), 0, GlareTable::Symmetric},
        GlareTableCase{"C90C270FrontC180", testing::Steps(90, 270, 15), 180, GlareTable::Symmetric},
        GlareTableCase{"C90C270FrontC90", testing::Steps(90, 270, 15), 90, GlareTable::Asymmetric},
        GlareTableCase{"C0C180FrontC90", testing::Steps(0, 180, 15), 90, GlareTable::Symmetric},
        GlareTableCase{"C0C180FrontC270", testing::Steps(0, 180, 15), -90, GlareTable::Symmetric},
        GlareTableCase{"C0C180FrontC0", testing::Steps(0, 180, 15), 0, GlareTable::Asymmetric},
        GlareTableCase{"FullTurn", testing::Steps(0, 360, 15), 0, GlareTable::Asymmetric}),
    [](const auto& test) { return std::string(test.param.Name); });

// A bare front light: 1000 cd in C0 only, falling to 0 at C90 and C270, over the lower half.
TEST(BugRating, RatingStringAndFrontConvention) {
    const tIES record = testing::Distribution(
        testing::Steps(0, 360, 90), testing::Steps(0, 180, 10), [](long double c, long double g) {
            return (c == 0 || c == 360) && g <= 70 ? 1000.0L : 0.0L;
        });
    LuminaireFacts facts = testing::TypeCFacts();
    BugRating ies = RateBug(record, facts);
    ASSERT_TRUE(ies.Figures);
    EXPECT_EQ(ies.Figures->FrontCentre, 0);
    EXPECT_FALSE(ies.Figures->FrontOverridden);
    EXPECT_EQ(ies.Figures->Back, 0);
    EXPECT_GT(ies.Figures->Forward, 0);
    EXPECT_TRUE(std::regex_match(ies.Figures->Rating, std::regex("B0-U0-G[0-5]")));
    facts.Format = PhotometricFormat::Eulumdat; // the street side moves to C90
    const BugRating ldt = RateBug(record, facts);
    ASSERT_TRUE(ldt.Figures);
    EXPECT_EQ(ldt.Figures->FrontCentre, 90);
    EXPECT_TRUE(testing::Close(ldt.Figures->Forward, ldt.Figures->Back));
    const BugRating turned = RateBug(record, facts, 180);
    ASSERT_TRUE(turned.Figures);
    EXPECT_TRUE(turned.Figures->FrontOverridden);
    EXPECT_TRUE(testing::Close(turned.Figures->Back, ies.Figures->Forward));
    EXPECT_GT(turned.Figures->B, 0);
}

TEST(BugRating, TypesAAndBNeedTypeC) {
    const tIES record =
        testing::Distribution(testing::Steps(-90, 90, 45), testing::Steps(-90, 90, 45),
                              [](long double, long double) { return 10.0L; });
    for (const long double type : {2.0L, 3.0L}) {
        LuminaireFacts facts;
        facts.PhotometricType = type;
        const BugRating rating = RateBug(record, facts);
        EXPECT_FALSE(rating.Figures);
        EXPECT_EQ(rating.Unavailable, "needs type C photometry");
    }
    LuminaireFacts unknown;
    unknown.PhotometricType = 7; // rated as type C
    EXPECT_TRUE(
        RateBug(testing::Distribution({0}, {0, 90}, [](long double, long double) { return 1.0L; }),
                unknown)
            .Figures);
}

TEST(BugRating, NoDataIsNotRated) {
    const BugRating rating = RateBug(tIES{}, testing::TypeCFacts());
    EXPECT_FALSE(rating.Figures);
    EXPECT_FALSE(rating.Unavailable.empty());
}

// Road luminaires throw most of their light to the street side of their format's convention.
TEST(BugRating, RoadSamplesLightTheirStreetSide) {
    for (const std::string& path :
         {test::SamplePath("lm1995_roadway_361x73_crlf.ies"),
          test::LdtSamplePath("ldt_isym3_72x91_street_empty_direct_ratios.ldt")}) {
        const testing::LoadedSample sample = testing::LoadSample(path);
        ASSERT_TRUE(sample.Loaded) << path;
        const BugRating rating = RateBug(sample.Record, sample.Facts);
        ASSERT_TRUE(rating.Figures) << path;
        EXPECT_GT(rating.Figures->Forward, rating.Figures->Back) << path;
        EXPECT_EQ(rating.Figures->Table, GlareTable::Asymmetric) << path;
        EXPECT_TRUE(std::regex_match(rating.Figures->Rating, std::regex("B[0-5]-U[0-5]-G[0-5]")));
    }
}

// A street light worked by hand: 1000 cd on C0, 200 cd on C90 and C270, 50 cd on C180, the same
// at every gamma. Linear in C, the front half [-90, 90] weighs C0 by 90 degrees and C90, C270 by
// 45 each, so a front band holds (1000 + 200) pi/2 (cos g0 - cos g1) lm, a back band
// (50 + 200) pi/2 (...), an uplight band (1000 + 50 + 400) pi/2 (...). On paper:
//   FL 252.54  FM 689.94  FH 615.16  FVH 327.32 (G3: above 225, at most 500)
//   BL  52.61  BM 143.74  BH 128.16 (B1: above 110, at most 500)  BVH 68.19
//   UL 395.51  UH 1882.14 (U5: above 1000)
// Stored only to gamma 90 the same light has no uplight, with the note that data is missing.
struct HandWorkedCase {
    const char* Name;
    long double LastGamma;
    const char* Rating;
    long double Ul, Uh;
    bool UplightComplete;
};

class HandWorked : public ::testing::TestWithParam<HandWorkedCase> {};

TEST_P(HandWorked, ZonesAndRatingAsOnPaper) {
    const HandWorkedCase& c = GetParam();
    const tIES record = testing::Distribution(
        testing::Steps(0, 360, 90), testing::Steps(0, c.LastGamma, 10),
        [](long double plane, long double) {
            return plane == 0 || plane == 360 ? 1000.0L : plane == 180 ? 50.0L : 200.0L;
        });
    const BugRating rating = RateBug(record, testing::TypeCFacts());
    ASSERT_TRUE(rating.Figures);
    const BugFigures& f = *rating.Figures;
    const long double onPaper[kBugZoneCount] = {252.54L, 689.94L, 615.16L, 327.32L, 52.61L,
                                                143.74L, 128.16L, 68.19L,  c.Ul,    c.Uh};
    for (std::size_t z = 0; z < kBugZoneCount; ++z)
        EXPECT_TRUE(testing::Close(f.Zones[z], onPaper[z], 1e-4L)) << kBugZoneNames[z];
    EXPECT_EQ(f.B, 1);
    EXPECT_EQ(f.GAsymmetric, 3);
    EXPECT_EQ(f.Table, GlareTable::Asymmetric);
    EXPECT_EQ(f.Rating, c.Rating);
    EXPECT_EQ(f.UplightDataComplete, c.UplightComplete);
}

INSTANTIATE_TEST_SUITE_P(
    StreetLight, HandWorked,
    ::testing::Values(HandWorkedCase{"WholeSphere", 180, "B1-U5-G3", 395.51L, 1882.14L, true},
                      HandWorkedCase{"StoredToNinety", 90, "B1-U0-G3", 0, 0, false}),
    [](const auto& test) { return std::string(test.param.Name); });

} // namespace
} // namespace lumetra::compliance

namespace lumetra::compliance {
namespace {

// The zone and flux lines show lumens as every other figure does: sensible digits, the locale's
// separators, "°" in the zones' angles.
TEST(BugRating, LinesShowLumensInTheOneNumberFormat) {
    BugRating rating;
    rating.Figures = BugFigures{};
    rating.Figures->Zones.fill(1456.47L);
    rating.Figures->Zones[1] = 1.12845L;
    rating.Figures->Forward = 612.302L;
    rating.Figures->Total = 12345.6L;
    const auto lines = BugLines(rating, testing::TypeCFacts(), properties::NumberFormat(",", "."));
    const auto value = [&lines](const std::string& caption) {
        for (const auto& [shown, text] : lines)
            if (shown == caption)
                return text;
        return std::string("missing");
    };
    EXPECT_EQ(value("BUG zone FL (front low, 0-30°)"), "1.456 lm");
    EXPECT_EQ(value("BUG zone FM (front medium, 30-60°)"), "1,13 lm");
    EXPECT_EQ(value("BUG forward light"), "612 lm");
    EXPECT_EQ(value("BUG total"), "12.346 lm");
}

} // namespace
} // namespace lumetra::compliance
