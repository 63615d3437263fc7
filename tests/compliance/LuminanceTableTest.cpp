// The luminous opening's shapes and projected areas, and the luminance table built on them.

#include "compliance/LuminanceTable.h"

#include "ComplianceRecords.h"
#include "compliance/ComplianceText.h"
#include "support/Samples.h"

namespace lumetra::compliance {
namespace {

using testing::Close;
using testing::kPi;

// Projected areas that follow from the solids' geometry, seen along an axis or from below.
struct AreaCase {
    const char* Name;
    long double L, W, H; // IES signs and values, metres
    const char* Shape;
    long double C, Gamma;
    std::optional<long double> Area;
};

class IesOpening : public ::testing::TestWithParam<AreaCase> {};

TEST_P(IesOpening, ShapeAndProjectedArea) {
    const AreaCase& c = GetParam();
    LuminaireFacts facts = testing::TypeCFacts();
    facts.Length = c.L;
    facts.Width = c.W;
    facts.Height = c.H;
    tIES record;
    record.UnitsType = 2;
    const Opening opening = OpeningOf(record, facts);
    EXPECT_STREQ(ShapeName(opening.Shape), c.Shape);
    const std::optional<long double> area = ProjectedArea(opening, c.C, c.Gamma);
    ASSERT_EQ(area.has_value(), c.Area.has_value());
    if (c.Area) {
        EXPECT_TRUE(Close(*area, *c.Area, 1e-15L));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, IesOpening,
    ::testing::Values(
        AreaCase{"Point", 0, 0, 0, "point", 0, 60, std::nullopt},
        AreaCase{"RectangleFromBelow", 0.6L, 0.3L, 0, "rectangle", 0, 0, 0.18L},
        AreaCase{"RectangleEdgeOn", 0.6L, 0.3L, 0, "rectangle", 0, 90, 0},
        AreaCase{"BoxAlongX", 0.6L, 0.3L, 0.1L, "box", 0, 90, 0.03L},
        AreaCase{"BoxAlongY", 0.6L, 0.3L, 0.1L, "box", 270, 90, 0.06L},
        AreaCase{"BoxWithoutWidth", 0.6L, 0, 0.1L, "box", 90, 90, 0.06L},
        AreaCase{"BoxWithoutLength", 0, 0.3L, 0.1L, "box", 180, 90, 0.03L},
        AreaCase{"DiskAtSixty", -0.2L, -0.2L, 0, "disk", 45, 60, kPi * 0.01L / 2},
        AreaCase{"EllipseFromBelow", -0.4L, -0.2L, 0, "ellipse", 0, 0, kPi * 0.02L},
        AreaCase{"VerticalCylinderSide", -0.2L, -0.2L, 0.5L, "vertical cylinder", 45, 90, 0.1L},
        AreaCase{"EllipticalCylinderAlongY", -0.4L, -0.2L, 0.5L, "vertical elliptical cylinder", 90,
                 90, 0.2L},
        AreaCase{"SphereAnywhere", -0.3L, -0.3L, -0.3L, "sphere", 135, 70, kPi * 0.0225L},
        AreaCase{"EllipsoidFromBelow", -0.4L, -0.2L, -0.1L, "ellipsoid", 0, 0, kPi * 0.02L},
        AreaCase{"EllipsoidAlongX", -0.4L, -0.2L, -0.1L, "ellipsoid", 180, 90, kPi * 0.005L},
        AreaCase{"HorizontalCylinderXFromBelow", 1.2L, -0.1L, -0.1L, "horizontal cylinder along x",
                 0, 0, 0.12L},
        AreaCase{"HorizontalCylinderXEnd", 1.2L, -0.1L, -0.1L, "horizontal cylinder along x", 0, 90,
                 kPi * 0.0025L},
        AreaCase{"HorizontalCylinderYSide", -0.1L, 1.2L, -0.1L, "horizontal cylinder along y", 0,
                 90, 0.12L},
        AreaCase{"VerticalDiskFacingY", -0.2L, 0, -0.2L, "vertical disk", 90, 90, kPi * 0.01L},
        AreaCase{"VerticalDiskFacingYSeenAlongX", -0.2L, 0, -0.2L, "vertical disk", 0, 90, 0},
        AreaCase{"VerticalDiskFacingX", 0, -0.2L, -0.2L, "vertical disk", 180, 90, kPi * 0.01L},
        AreaCase{"UnknownSigns", 0.5L, -0.2L, 0, "unknown", 0, 45, std::nullopt},
        AreaCase{"UnknownNegativeHeight", 0.5L, 0.5L, -0.2L, "unknown", 0, 45, std::nullopt}),
    [](const auto& test) { return std::string(test.param.Name); });

TEST(IesOpening, FeetBecomeMetres) {
    LuminaireFacts facts = testing::TypeCFacts();
    facts.Length = 2;
    facts.Width = 1;
    tIES record;
    record.UnitsType = 1;
    const Opening opening = OpeningOf(record, facts);
    EXPECT_TRUE(Close(opening.Length, 0.6096L));
    EXPECT_TRUE(Close(*ProjectedArea(opening, 0, 0), 0.6096L * 0.3048L));
}

// EULUMDAT: a rectangle 0.6 x 0.3 m with 0.1 m of luminous side at C0 and 0.05 m at C180.
TEST(EulumdatOpening, EachSideItsOwnHeight) {
    LuminaireFacts facts = testing::TypeCFacts();
    facts.Format = PhotometricFormat::Eulumdat;
    facts.Length = 0.6L;
    facts.Width = 0.3L;
    facts.LuminousHeights = {0.1L, 0.02L, 0.05L, 0};
    const Opening box = OpeningOf(tIES{}, facts);
    EXPECT_STREQ(ShapeName(box.Shape), "box");
    EXPECT_TRUE(Close(*ProjectedArea(box, 0, 90), 0.03L));
    EXPECT_TRUE(Close(*ProjectedArea(box, 180, 90), 0.015L));
    EXPECT_TRUE(Close(*ProjectedArea(box, 90, 90), 0.012L));
    EXPECT_EQ(*ProjectedArea(box, 270, 90), 0);
    facts.LuminousHeights = {};
    EXPECT_STREQ(ShapeName(OpeningOf(tIES{}, facts).Shape), "rectangle");
}

TEST(EulumdatOpening, RoundAreaIsDiskOrCylinder) {
    LuminaireFacts facts = testing::TypeCFacts();
    facts.Format = PhotometricFormat::Eulumdat;
    facts.Length = -0.2L; // a round area as the reader stores it
    facts.Width = -0.2L;
    const Opening disk = OpeningOf(tIES{}, facts);
    EXPECT_STREQ(ShapeName(disk.Shape), "disk");
    EXPECT_TRUE(Close(*ProjectedArea(disk, 30, 60), kPi * 0.01L / 2));
    facts.LuminousHeights = {0.1L, 0.1L, 0.1L, 0.1L};
    const Opening cylinder = OpeningOf(tIES{}, facts);
    EXPECT_STREQ(ShapeName(cylinder.Shape), "vertical cylinder");
    EXPECT_TRUE(Close(*ProjectedArea(cylinder, 30, 90), 0.02L));
    facts.Length = 0;
    facts.Width = 0.3L;
    EXPECT_STREQ(ShapeName(OpeningOf(tIES{}, facts).Shape), "none");
    EXPECT_FALSE(ProjectedArea(OpeningOf(tIES{}, facts), 0, 60));
}

tIES Isotropic(long double candela) {
    return testing::Distribution(testing::Steps(0, 360, 30), testing::Steps(0, 180, 5),
                                 [candela](long double, long double) { return candela; });
}

TEST(LuminanceTable, IsotropicOverRectangleRisesToEightyFive) {
    LuminaireFacts facts = testing::TypeCFacts();
    facts.Length = 0.5L;
    facts.Width = 0.5L;
    const LuminanceTable table = LuminanceTableOf(Isotropic(1000), facts);
    ASSERT_TRUE(table.Available);
    for (std::size_t p = 0; p < kLuminancePlanes.size(); ++p)
        for (std::size_t g = 0; g < kLuminanceGammas.size(); ++g) {
            ASSERT_TRUE(table.Values[p][g]);
            EXPECT_TRUE(Close(*table.Values[p][g],
                              1000 / (0.25L * testing::CosDegrees(kLuminanceGammas[g])), 1e-9L));
        }
    ASSERT_TRUE(table.Max && table.MaxAt);
    EXPECT_EQ(table.MaxAt->Plane, 0u);
    EXPECT_EQ(table.MaxAt->Gamma, kLuminanceGammas.size() - 1);
    EXPECT_TRUE(table.Reason.empty());
}

// Intensity linear in gamma between stored angles 40 and 90: the table reads the interpolant.
TEST(LuminanceTable, ReadsTheInterpolantBetweenStoredAngles) {
    LuminaireFacts facts = testing::TypeCFacts();
    facts.Length = -0.3L;
    facts.Width = -0.3L;
    facts.Height = -0.3L; // a sphere: the same area everywhere
    const tIES record = testing::Distribution({0, 90, 180, 270}, {0, 40, 90, 180},
                                              [](long double c, long double g) {
                                                  return g == 40 ? 500 + c : g == 90 ? 0.0L : 800;
                                              });
    const LuminanceTable table = LuminanceTableOf(record, facts);
    const long double area = kPi * 0.0225L;
    // C45 lies halfway between the planes 0 and 90; gamma 65 halfway between 40 and 90.
    EXPECT_TRUE(Close(*table.Values[1][4], (545.0L / 2) / area, 1e-12L));
    EXPECT_TRUE(Close(*table.Values[2][0], 590.0L * 45 / 50 / area, 1e-12L));
}

TEST(LuminanceTable, NullWithTheReason) {
    LuminaireFacts point = testing::TypeCFacts();
    const LuminanceTable table = LuminanceTableOf(Isotropic(100), point);
    EXPECT_TRUE(table.Available);
    EXPECT_FALSE(table.Max);
    EXPECT_EQ(table.Reason, Message(ComplianceMessage::PointOpening));
    LuminaireFacts unknown = testing::TypeCFacts();
    unknown.Length = 1;
    unknown.Width = -1;
    EXPECT_EQ(LuminanceTableOf(Isotropic(100), unknown).Reason,
              Message(ComplianceMessage::UnknownOpening));
    LuminaireFacts typeB = point;
    typeB.PhotometricType = 2;
    const LuminanceTable b = LuminanceTableOf(Isotropic(100), typeB);
    EXPECT_FALSE(b.Available);
    EXPECT_EQ(b.Reason, "needs type C photometry");
}

// A vertical disk facing y shows no area along x: those cells are null, the others are not.
TEST(LuminanceTable, EdgeOnCellsAreNull) {
    LuminaireFacts facts = testing::TypeCFacts();
    facts.Length = -0.2L;
    facts.Height = -0.2L;
    const LuminanceTable table = LuminanceTableOf(Isotropic(100), facts);
    EXPECT_FALSE(table.Values[0][0]);
    EXPECT_FALSE(table.Values[4][8]);
    EXPECT_TRUE(table.Values[2][0]);
    EXPECT_TRUE(table.Max);
}

TEST(LuminanceTable, EulumdatSampleHasValues) {
    const testing::LoadedSample sample =
        testing::LoadSample(test::LdtSamplePath("ldt_isym3_72x91_street_empty_direct_ratios.ldt"));
    ASSERT_TRUE(sample.Loaded);
    const LuminanceTable table = LuminanceTableOf(sample.Record, sample.Facts);
    EXPECT_TRUE(table.Available);
    EXPECT_TRUE(table.Shape.Eulumdat);
    EXPECT_TRUE(table.Max || !table.Reason.empty());
}

} // namespace
} // namespace lumetra::compliance
