// The whole pass: where the picture is lit, the order of the progress reports, and faults.

#include "render/LightPattern.h"

#include "RenderTestSupport.h"
#include "data/Errors.h"
#include "render/LightPatternPass.h"
#include "render/PixelShade.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <vector>

namespace lumetra {
namespace {

using test::FaultText;
using test::LoadSample;
using test::MakeRecord;

bool RowIsBlack(const LightPatternGrid& grid, int y, int fromX, int toX) {
    for (int x = fromX; x <= toX; ++x)
        if (grid.at(x, y) != 0)
            return false;
    return true;
}

TEST(RenderLightPattern, AFileFromZeroToNinetyLightsOnlyTheLowerHalf) {
    const tIES record = LoadSample("lm2002_181x73_half_degree.ies");
    ASSERT_EQ(record.VerticalAngles.back(), 90);
    LightPatternGrid grid;
    RenderLightPattern(record, {}, nullptr, grid);
    for (int y = 0; y < 150; ++y)
        EXPECT_TRUE(RowIsBlack(grid, y, 0, 300)) << "row " << y;
    // The centre row left of the centre reads -90.07..., outside the window.
    EXPECT_TRUE(RowIsBlack(grid, 150, 0, 149));
    EXPECT_GT(grid.at(150, 151), 0);
    EXPECT_GT(grid.at(150, 300), 0);
}

TEST(RenderLightPattern, TheUnevenHalfSetShowsC135LeftOfC45) {
    const tIES record = LoadSample("lm2002_roadway_199x38_crlf.ies");
    constexpr std::size_t c45 = 10;
    constexpr std::size_t c135 = 28;
    ASSERT_EQ(record.HorizontalAngles.at(c45), 45);
    ASSERT_EQ(record.HorizontalAngles.at(c135), 135);
    // With every other plane dark, the picture stays the same only if it reads C45 and C135.
    tIES onlyThePair = record;
    for (std::size_t h = 0; h < onlyThePair.Candela.size(); ++h)
        if (h != c45 && h != c135)
            std::fill(onlyThePair.Candela[h].begin(), onlyThePair.Candela[h].end(), 0.0L);
    const RenderSettings settings{static_cast<int>(c45), 1.5L, 500, 0};
    LightPatternGrid full;
    LightPatternGrid pair;
    RenderLightPattern(record, settings, nullptr, full);
    RenderLightPattern(onlyThePair, settings, nullptr, pair);
    EXPECT_TRUE(full.grey == pair.grey);
    EXPECT_GT(pair.at(50, 200), 0) << "the left half is lit";
}

TEST(RenderLightPattern, TheCentreRowRightOfTheCentreReadsTheSelectedPlane) {
    const tIES record = MakeRecord({0, 45, 90}, {{100, 80, 60}});
    LightPatternGrid grid;
    RenderLightPattern(record, {}, nullptr, grid);
    EXPECT_TRUE(RowIsBlack(grid, 150, 0, 149));
    // At (10, 0): 60.08 / 100 * 382.5 / sqrt(0.2 + 1.5) = 176.3.
    EXPECT_EQ(grid.at(160, 150), 176);
    for (int x = 151; x <= 300; ++x)
        EXPECT_GT(grid.at(x, 150), 0) << "column " << x;
}

TEST(RenderLightPattern, PlacesEverySampleAtItsOffsetFromTheCentre) {
    // Different planes left and right, a window from the horizon: nothing symmetric to hide a
    // transposed or mirrored grid.
    const tIES record = MakeRecord({90, 120, 180}, {{10, 70, 30}, {50, 20, 90}}, {0, 180});
    const RenderSettings settings{1, 3.0L, 2000, 1};
    LightPatternGrid grid;
    RenderLightPattern(record, settings, nullptr, grid);
    const LightPatternPass pass = PrepareLightPatternPass(record, settings);
    for (const auto& [x, y] : {std::pair{0, 0},
                               {300, 0},
                               {0, 300},
                               {300, 300},
                               {150, 150},
                               {40, 90},
                               {260, 90},
                               {120, 10},
                               {151, 150},
                               {149, 150}})
        EXPECT_EQ(grid.at(x, y), PixelShade(pass, x - 150, y - 150)) << x << ", " << y;
    EXPECT_NE(grid.at(40, 90), grid.at(260, 90));
}

// Reports the rows in order and checks at each report that the row is not yet computed and the
// one before it is, in a grid filled beforehand with `untouched`.
std::vector<int> ProgressOfPass(const tIES& record, std::uint8_t untouched,
                                LightPatternGrid& grid) {
    grid.grey.fill(untouched);
    const auto rowUntouched = [&](int y) {
        return std::all_of(&grid.at(0, y), &grid.at(0, y) + kPatternSize,
                           [untouched](std::uint8_t grey) { return grey == untouched; });
    };
    std::vector<int> reports;
    const ProgressSink sink = [&](int row) {
        reports.push_back(row);
        // Row numbers count from the bottom of the grid: row r fills grid row 300 - r.
        EXPECT_TRUE(rowUntouched(300 - row)) << "row " << row << " computed before its report";
        if (row > 0) {
            EXPECT_FALSE(rowUntouched(301 - row)) << "row " << row - 1 << " not computed";
        }
    };
    RenderLightPattern(record, {}, sink, grid);
    return reports;
}

TEST(RenderLightPattern, ReportsProgressBeforeEveryTwentiethRow) {
    const tIES record = MakeRecord({0, 45, 90}, {{100, 80, 60}});
    std::vector<int> expected;
    for (int row = 0; row <= 300; row += 20)
        expected.push_back(row);
    LightPatternGrid first;
    LightPatternGrid second;
    EXPECT_EQ(ProgressOfPass(record, 77, first), expected);
    EXPECT_EQ(ProgressOfPass(record, 78, second), expected);
    // A sample left untouched would keep the fill value, which differs between the two grids.
    EXPECT_EQ(first.grey, second.grey);
}

TEST(RenderLightPattern, APairPeakOfZeroEndsThePassAtTheFirstSample) {
    const tIES negative = MakeRecord({0, 45, 90}, {{-100, -80, -60}});
    std::vector<int> reports;
    const ProgressSink sink = [&](int row) { reports.push_back(row); };
    LightPatternGrid grid;
    EXPECT_EQ(FaultText([&] { RenderLightPattern(negative, {}, sink, grid); }),
              kDivisionByZeroText);
    EXPECT_EQ(reports, std::vector<int>{0});
    const tIES dark = MakeRecord({0, 45, 90}, {{0, 0, 0}, {0, 0, 0}}, {0, 180});
    EXPECT_EQ(FaultText([&] {
                  RenderLightPattern(dark, {1, 1.5L, 500, 0}, nullptr, grid);
              }),
              kInvalidOperationText);
}

TEST(RenderLightPattern, RefusesAnEmptyRecordWithoutTouchingTheGrid) {
    LightPatternGrid grid;
    grid.grey.fill(5);
    int reports = 0;
    EXPECT_THROW(RenderLightPattern(
                     tIES{}, {}, [&](int) { ++reports; }, grid),
                 LumetraError);
    EXPECT_EQ(reports, 0);
    EXPECT_EQ(std::count(grid.grey.begin(), grid.grey.end(), 5), kPatternSize * kPatternSize);
}

} // namespace
} // namespace lumetra
