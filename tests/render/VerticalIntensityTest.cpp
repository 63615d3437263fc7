// The intensity look-up: window, bracket, interpolation and extrapolation.

#include "render/VerticalIntensity.h"

#include "RenderTestSupport.h"
#include "data/Errors.h"
#include "render/AngleWindow.h"

#include <gtest/gtest.h>

namespace lumetra {
namespace {

using test::FaultText;
using test::MakeRecord;

long double Look(const tIES& record, long double x, int h = 0) {
    return VerticalIntensity(record, h, x, MakeAngleWindow(record.VerticalAngles));
}

TEST(AngleWindow, SpansBothSignsUnlessTheAnglesStartAtNinety) {
    const AngleWindow down = MakeAngleWindow({0, 45, 90});
    EXPECT_EQ(down.lower, -90);
    EXPECT_EQ(down.upper, 90);
    EXPECT_TRUE(InsideAngleWindow(down, -90));
    EXPECT_TRUE(InsideAngleWindow(down, 90));
    EXPECT_FALSE(InsideAngleWindow(down, 90.0000001L));

    const AngleWindow up = MakeAngleWindow({90, 135, 180});
    EXPECT_EQ(up.lower, 90);
    EXPECT_EQ(up.upper, 180);
    EXPECT_TRUE(InsideAngleWindow(up, 90));
    EXPECT_TRUE(InsideAngleWindow(up, -180));
    EXPECT_TRUE(InsideAngleWindow(up, -90));
    EXPECT_FALSE(InsideAngleWindow(up, 89.99L));
    EXPECT_FALSE(InsideAngleWindow(up, -89.99L));
    EXPECT_FALSE(InsideAngleWindow(up, 0));

    // Only exactly 90 counts: a first angle a hair above gives the symmetric window.
    const AngleWindow almost = MakeAngleWindow({90.0000001L, 180});
    EXPECT_EQ(almost.lower, -180);
}

TEST(VerticalIntensity, InterpolatesLinearlyAlongTheVerticalAngles) {
    tArrEx angles;
    tArrEx values;
    for (int v = 0; v <= 9; ++v) {
        angles.push_back(10 * v);
        values.push_back(1000 - 100 * v);
    }
    const tIES record = MakeRecord(angles, {values});
    EXPECT_EQ(Look(record, 25), 750);
    EXPECT_EQ(Look(record, -25), 750);
    EXPECT_EQ(Look(record, 0), 1000);
    EXPECT_EQ(Look(record, 90), 100);
    EXPECT_EQ(Look(record, -90), 100);
    EXPECT_EQ(Look(record, 90.5L), 0);
    EXPECT_EQ(Look(record, -90.0708L), 0);
}

TEST(VerticalIntensity, AnglesFromTheHorizonReadOnlyTheUpperHalf) {
    const tIES record = MakeRecord({90, 135, 180}, {{0, 50, 100}});
    const long double expected = 10 * (50.0L / 45);
    EXPECT_EQ(Look(record, 100), expected);
    EXPECT_EQ(Look(record, -100), expected);
    EXPECT_NEAR(static_cast<double>(expected), 11.1111111, 1e-6);
    EXPECT_EQ(Look(record, 60), 0);
    EXPECT_EQ(Look(record, 90), 0);
    EXPECT_EQ(Look(record, -90), 0);
    const tIES lit = MakeRecord({90, 135, 180}, {{30, 50, 100}});
    EXPECT_EQ(Look(lit, -90), 30);
}

TEST(VerticalIntensity, ExtrapolatesBelowTheFirstAngleAlongTheFirstSegment) {
    tArrEx angles;
    tArrEx values;
    for (int v = 1; v <= 9; ++v) {
        angles.push_back(10 * v);
        values.push_back(600 - 100 * v);
    }
    const tIES record = MakeRecord(angles, {values});
    EXPECT_EQ(Look(record, 5), 550);
    EXPECT_EQ(Look(record, -5), 550);
}

TEST(VerticalIntensity, PassesNegativeValuesThroughAndReadsTheGivenPlane) {
    const tIES record = MakeRecord({0, 90}, {{-100, -300}, {40, 40}});
    EXPECT_EQ(Look(record, 45), -200);
    EXPECT_EQ(Look(record, 45, 1), 40);
}

TEST(VerticalIntensity, ASingleAngleGivesItsValueInsideTheWindow) {
    const tIES record = MakeRecord({30}, {{250}});
    EXPECT_EQ(Look(record, 0), 250);
    EXPECT_EQ(Look(record, -30), 250);
    EXPECT_EQ(Look(record, 30), 250);
    EXPECT_EQ(Look(record, 30.5L), 0);
}

TEST(VerticalIntensity, EqualBracketingAnglesFault) {
    const tIES steps = MakeRecord({10, 10, 90}, {{5, 7, 1}});
    EXPECT_EQ(FaultText([&] { Look(steps, 4); }), kDivisionByZeroText);
    const tIES flat = MakeRecord({10, 10, 90}, {{5, 5, 1}});
    EXPECT_EQ(FaultText([&] { Look(flat, -10); }), kInvalidOperationText);
    // Above the pair the search passes it by.
    EXPECT_EQ(Look(steps, 50), 4);
}

TEST(VerticalIntensity, RefusesPlanesItCannotRead) {
    const tIES record = MakeRecord({0, 45, 90}, {{1, 2, 3}, {1, 2}});
    EXPECT_THROW(Look(record, 10, 2), LumetraError);
    EXPECT_THROW(Look(record, 10, -1), LumetraError);
    EXPECT_THROW(Look(record, 10, 1), LumetraError);
    // Outside the window the table is not read at all.
    EXPECT_EQ(Look(record, 95, 1), 0);
}

} // namespace
} // namespace lumetra
