#include "DiagramSamples.h"
#include "diagrams/IsocandelaDiagram.h"
#include "support/Records.h"

#include <gtest/gtest.h>
#include <set>

namespace lumetra::diagrams {
namespace {

using test::HasLabel;
using test::LabelFault;
using test::MakeRecord;
using test::RecordingSurface;

LuminaireFacts TypeC() {
    LuminaireFacts facts;
    facts.PhotometricType = 1;
    facts.NumberOfLamps = 1;
    facts.LumensPerLamp = 2000;
    return facts;
}

// A spot whose light ends at gamma 15, brighter towards C90.
tIES Spot() {
    tIES record =
        MakeRecord({0, 5, 10, 15, 20, 90, 180},
                   {{1000, 800, 300, 0, 0, 0, 0}, {1000, 900, 600, 100, 0, 0, 0}}, {0, 90});
    record.CandelaMultiplier = 1;
    return record;
}

TEST(IntensityMap, CoversTheWholeTurnAndCutsTheVerticalsToTheLight) {
    const tIES record = Spot();
    const DiagramData data(record, TypeC());
    const IntensityMap map = SampleIntensity(data, IntensityUnit::Candela);
    EXPECT_EQ(map.xFrom, 0);
    EXPECT_EQ(map.xTo, 360);
    EXPECT_EQ(map.yFrom, 0);
    EXPECT_EQ(map.yTo, 20); // 100 cd at gamma 15 on C90 is lit, gamma 20 is dark
    EXPECT_EQ(map.peak, 1000);
    EXPECT_FALSE(map.upward);
    ASSERT_EQ(map.grid.values.size(), kMapColumns * kMapRows);
    // Bilateral completion: C270 mirrors C90 and C180 mirrors C0 (row at gamma 10).
    const std::size_t row = (kMapRows - 1) / 2;
    EXPECT_DOUBLE_EQ(map.grid.At(45, row), 600);  // C90
    EXPECT_DOUBLE_EQ(map.grid.At(135, row), 600); // C270
    EXPECT_DOUBLE_EQ(map.grid.At(90, row), 300);  // C180
    EXPECT_DOUBLE_EQ(map.grid.At(0, row), 300);   // C0
    EXPECT_DOUBLE_EQ(map.grid.At(180, row), 300); // C360
    const IntensityMap perKilolumen = SampleIntensity(data, IntensityUnit::CandelaPerKilolumen);
    EXPECT_EQ(perKilolumen.peak, 500);
}

TEST(IntensityMap, TypeBMapsRunOverHAndVWithVUpwards) {
    tIES record = MakeRecord(
        {0, 10, 20, 30, 90},
        {{90, 60, 10, 0, 0}, {70, 40, 5, 0, 0}, {0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}}, {0, 10, 20, 90});
    record.CandelaMultiplier = 1;
    LuminaireFacts facts;
    facts.PhotometricType = 2;
    const IntensityMap map = SampleIntensity(DiagramData(record, facts), IntensityUnit::Candela);
    EXPECT_TRUE(map.upward);
    EXPECT_EQ(map.xFrom, -20); // lit to just below H 20 and V 30, widened to tens
    EXPECT_EQ(map.xTo, 20);
    EXPECT_EQ(map.yFrom, -30);
    EXPECT_EQ(map.yTo, 30);
}

TEST(Isocandela, LevelsAreRoundValuesBelowThePeak) {
    EXPECT_EQ(IsocandelaLevels(1000), (std::vector<double>{200, 400, 600, 800}));
    EXPECT_EQ(IsocandelaLevels(7300),
              (std::vector<double>{1000, 2000, 3000, 4000, 5000, 6000, 7000}));
    EXPECT_TRUE(IsocandelaLevels(0).empty());
}

TEST(Isocandela, EveryLevelIsDrawnAndLabelled) {
    const tIES record = Spot();
    const DiagramData data(record, TypeC());
    RecordingSurface surface;
    DiagramOptions options;
    DrawIsocandelaDiagram(surface, {0, 0, 900, 700}, SampleIntensity(data, IntensityUnit::Candela),
                          {}, options);
    for (const char* label : {"200", "400", "600", "800", "Lines of equal intensity in cd",
                              "C (\u00b0)", "\u03b3 (\u00b0)", "0\u00b0", "360\u00b0"})
        EXPECT_TRUE(HasLabel(surface, label)) << label;
    EXPECT_EQ(LabelFault(surface, 900, 700), "");
    std::set<Color> colours;
    for (const auto& line : surface.Polylines())
        if (line.size() > 10)
            colours.insert(line[0].pen.color);
    EXPECT_EQ(colours.size(), 4u); // one colour per level
}

} // namespace
} // namespace lumetra::diagrams
