// The compared angles: thinning keeps both ends and spreads evenly; a union beyond the limit is
// thinned on both axes.

#include "compare/ComparedAngles.h"

#include "summary/PhotometricSummary.h"
#include "summary/SummaryRecords.h"

#include <gtest/gtest.h>

namespace {

using namespace lumetra;
using namespace lumetra::compare;
using namespace lumetra::testing;

TEST(ComparedAngles, ThinningKeepsBothEndsEvenlySpread) {
    const tArrEx axis = Steps(0, 100, 1);
    EXPECT_EQ(Thinned(axis, 3), (tArrEx{0, 50, 100}));
    EXPECT_EQ(Thinned(axis, 5), (tArrEx{0, 25, 50, 75, 100}));
    EXPECT_EQ(Thinned(axis, 101), axis);
    EXPECT_EQ(Thinned(axis, 500), axis);
}

// Many planes with few angles against few planes with many angles: the union alone would hold
// over 4 million directions.
TEST(ComparedAngles, AHugeUnionIsThinnedBelowTheLimit) {
    const auto flat = [](long double, long double) { return 1.0L; };
    const tIES wide = Distribution(Steps(0, 359.85L, 0.15L), {0, 90, 180}, flat);
    const tIES tall = Distribution({0, 120, 240}, Steps(0, 180, 180.0L / 2400), flat);
    const auto wideGrid = summary::SummaryGridOf(wide, FactsOfType(1));
    const auto tallGrid = summary::SummaryGridOf(tall, FactsOfType(1));
    const summary::IntensityGrid* grids[] = {&wideGrid.Grid, &tallGrid.Grid};
    const ComparedAngles angles = AnglesToCompare(grids);
    EXPECT_TRUE(angles.Thinned);
    EXPECT_FALSE(angles.SharedGrid);
    EXPECT_LE(angles.Planes.size() * angles.Verticals.size(), kMaxComparedDirections);
    EXPECT_GT(angles.Planes.size() * angles.Verticals.size(), kMaxComparedDirections / 2);
    EXPECT_EQ(angles.Verticals.front(), 0);
    EXPECT_EQ(angles.Verticals.back(), 180);
}

TEST(ComparedAngles, TypeCPlanesOfTheUnionLieInOneTurn) {
    const auto flat = [](long double, long double) { return 1.0L; };
    const tIES half = Distribution({90, 135, 180, 225, 270}, {0, 90}, flat);
    const tIES full = Distribution(Steps(0, 360, 90), {0, 45, 90}, flat);
    const auto a = summary::SummaryGridOf(half, FactsOfType(1));
    const auto b = summary::SummaryGridOf(full, FactsOfType(1));
    const summary::IntensityGrid* grids[] = {&a.Grid, &b.Grid};
    const ComparedAngles angles = AnglesToCompare(grids);
    EXPECT_EQ(angles.Planes, (tArrEx{0, 45, 90, 135, 180, 225, 270, 315}));
    EXPECT_EQ(angles.Verticals, (tArrEx{0, 45, 90}));
}

} // namespace
