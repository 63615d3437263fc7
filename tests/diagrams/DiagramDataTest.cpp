#include "diagrams/DiagramData.h"

#include "support/Records.h"

#include <gtest/gtest.h>

namespace lumetra::diagrams {
namespace {

using test::MakeRecord;

LuminaireFacts Facts(long double type, long double lamps, long double lumens) {
    LuminaireFacts facts;
    facts.PhotometricType = type;
    facts.NumberOfLamps = lamps;
    facts.LumensPerLamp = lumens;
    return facts;
}

// Four planes of a type C record, each with its own level, over gamma 0, 45, 90.
tIES FourPlanes() {
    tIES record =
        MakeRecord({0, 45, 90}, {{100, 80, 10}, {100, 60, 20}, {100, 40, 30}, {100, 20, 40}},
                   {0, 90, 180, 270});
    record.CandelaMultiplier = 2;
    return record;
}

TEST(DiagramData, APlanePairRunsFromTheOppositePlaneThroughTheAxisToThePlane) {
    const tIES record = FourPlanes();
    const DiagramData data(record, Facts(1, 1, 1000));
    const Series pair = data.PlaneSeries({0}, IntensityUnit::Candela);
    EXPECT_EQ(pair.label, "C0-C180");
    EXPECT_EQ(pair.points,
              (std::vector<CurvePoint>{{-90, 60}, {-45, 80}, {0, 200}, {45, 160}, {90, 20}}));
}

TEST(DiagramData, PlanesBetweenStoredOnesComeFromTheSummarysInterpolant) {
    const tIES record = FourPlanes();
    const DiagramData data(record, Facts(1, 1, 1000));
    const Series pair = data.PlaneSeries({45}, IntensityUnit::Candela);
    EXPECT_EQ(pair.label, "C45-C225");
    // C45 halfway between C0 and C90, C225 between C180 and C270.
    EXPECT_EQ(pair.points.back(), (CurvePoint{90, 30}));
    EXPECT_EQ(pair.points.front(), (CurvePoint{-90, 70}));
    EXPECT_DOUBLE_EQ(data.Intensity(45, 22.5), (200 + 140) / 2.0);
}

TEST(DiagramData, SymmetryCompletionFillsThePlanesAFileLeavesOut) {
    // Axial: one plane stands for the whole turn.
    tIES axial = MakeRecord({0, 90}, {{50, 5}}, {0});
    axial.CandelaMultiplier = 1;
    const DiagramData data(axial, Facts(1, 1, 1000));
    EXPECT_EQ(data.PlaneSeries({90}, IntensityUnit::Candela).points,
              (std::vector<CurvePoint>{{-90, 5}, {0, 50}, {90, 5}}));
}

TEST(DiagramData, CandelaPerKilolumenNeedsALampFlux) {
    const tIES record = FourPlanes();
    struct Case {
        long double lamps, lumens;
        bool available;
        double factor;
    } const cases[] = {
        {2, 1000, true, 0.5}, {1, 500, true, 2}, {1, -1, false, 1}, {0, 0, false, 1}};
    for (const Case& c : cases) {
        const DiagramData data(record, Facts(1, c.lamps, c.lumens));
        EXPECT_EQ(data.PerKilolumenAvailable(), c.available) << c.lumens;
        EXPECT_DOUBLE_EQ(data.UnitFactor(IntensityUnit::CandelaPerKilolumen), c.factor);
        EXPECT_DOUBLE_EQ(data.UnitFactor(IntensityUnit::Candela), 1);
    }
    const DiagramData data(record, Facts(1, 2, 1000));
    EXPECT_EQ(data.PlaneSeries({0}, IntensityUnit::CandelaPerKilolumen).points[2],
              (CurvePoint{0, 100}));
}

TEST(DiagramData, TypeBFilesGiveLinesAcrossTheBeam) {
    // H 0..20 and V 0..20, both mirrored at 0.
    tIES record = MakeRecord({0, 10, 20}, {{90, 60, 10}, {70, 40, 5}, {30, 20, 1}}, {0, 10, 20});
    record.CandelaMultiplier = 1;
    const DiagramData data(record, Facts(2, 1, 1000));
    EXPECT_FALSE(data.TypeC());
    ASSERT_EQ(data.DefaultPlanes(), (std::vector<PlaneChoice>{{0, true}, {0, false}}));
    const Series horizontal = data.PlaneSeries({0, true}, IntensityUnit::Candela);
    EXPECT_EQ(horizontal.label, "Horizontal at V 0\u00b0");
    EXPECT_EQ(horizontal.points,
              (std::vector<CurvePoint>{{-20, 30}, {-10, 70}, {0, 90}, {10, 70}, {20, 30}}));
    const Series vertical = data.PlaneSeries({10, false}, IntensityUnit::Candela);
    EXPECT_EQ(vertical.label, "Vertical at H 10\u00b0");
    EXPECT_EQ(vertical.points.front(), (CurvePoint{-20, 5}));
}

TEST(DiagramData, ARecordWithoutValuesGivesEmptyCurves) {
    const tIES empty;
    const DiagramData data(empty, Facts(1, 1, 1000));
    EXPECT_FALSE(data.HasData());
    EXPECT_TRUE(data.PlaneSeries({0}, IntensityUnit::Candela).points.empty());
    EXPECT_EQ(data.Intensity(0, 0), 0);
}

} // namespace
} // namespace lumetra::diagrams
