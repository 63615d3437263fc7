// The opposite plane of the light pattern and the peak it is scaled to.

#include "render/LeftHalfPlane.h"

#include "RenderTestSupport.h"
#include "data/Errors.h"
#include "render/PairPeak.h"

#include <gtest/gtest.h>

namespace lumetra {
namespace {

tArrEx Steps(long double step, long double last) {
    tArrEx angles;
    for (long double angle = 0; angle <= last; angle += step)
        angles.push_back(angle);
    return angles;
}

TEST(LeftHalfPlane, HalfCircleMirrorsThePlaneAngle) {
    const tArrEx half = Steps(22.5L, 180);
    ASSERT_EQ(half.size(), 9u);
    EXPECT_EQ(LeftHalfPlane(half, 1), 7);
    EXPECT_EQ(LeftHalfPlane(half, 0), 8);
    EXPECT_EQ(LeftHalfPlane(half, 4), 4);
    // Unevenly spaced: the plane at the mirrored angle where one is stored (C45 with C135).
    EXPECT_EQ(LeftHalfPlane({0, 1, 5, 45, 130, 135, 175, 180}, 3), 5);
    EXPECT_EQ(LeftHalfPlane({0, 1, 5, 45, 130, 135, 175, 180}, 1), 6);
}

TEST(LeftHalfPlane, FullCircleTakesTheFirstPlaneHalfATurnAway) {
    const tArrEx full = Steps(10, 360);
    ASSERT_EQ(full.size(), 37u);
    EXPECT_EQ(LeftHalfPlane(full, 0), 18);
    EXPECT_EQ(LeftHalfPlane(full, 18), 0);
    EXPECT_EQ(LeftHalfPlane(full, 36), 18);
    EXPECT_EQ(LeftHalfPlane(full, 9), 27);
    EXPECT_EQ(LeftHalfPlane(full, 27), 9);
}

TEST(LeftHalfPlane, QuarterCircleShowsTheSelectedPlaneOnBothHalves) {
    const tArrEx quarter = Steps(15, 90);
    for (int plane = 0; plane < static_cast<int>(quarter.size()); ++plane)
        EXPECT_EQ(LeftHalfPlane(quarter, plane), plane);
}

TEST(LeftHalfPlane, WithoutAMatchTheLastPlaneIsTaken) {
    EXPECT_EQ(LeftHalfPlane({0}, 0), 0);
    EXPECT_EQ(LeftHalfPlane({0, 30, 100, 200, 250}, 1), 4);
    // The first match wins, in either direction.
    EXPECT_EQ(LeftHalfPlane({0, 70, 250, 300, 430}, 1), 2);
    EXPECT_EQ(LeftHalfPlane({0, 70, 250, 300, 430}, 2), 1);
    // The planes 90..270 of a bilateral file end at neither 90 nor 180.
    EXPECT_EQ(LeftHalfPlane({90, 135, 180, 225, 270}, 0), 4);
    EXPECT_EQ(LeftHalfPlane({90, 135, 180, 225, 270}, 4), 0);
}

TEST(LeftHalfPlane, RefusesAPlaneOutsideTheList) {
    EXPECT_THROW(LeftHalfPlane({0, 90}, 2), LumetraError);
    EXPECT_THROW(LeftHalfPlane({0, 90}, -1), LumetraError);
    EXPECT_THROW(LeftHalfPlane({}, 0), LumetraError);
}

TEST(PairPeak, LargestValueOfTheTwoPlanesNeverBelowZero) {
    const tIES record = test::MakeRecord({0, 90}, {{1, 5}, {3, 2}, {100, 100}});
    EXPECT_EQ(PairPeak(record, 0, 1), 5);
    EXPECT_EQ(PairPeak(record, 1, 1), 3);
    EXPECT_EQ(PairPeak(record, 1, 2), 100);
    const tIES dark = test::MakeRecord({0, 90}, {{-1, -5}, {0, -2}});
    EXPECT_EQ(PairPeak(dark, 0, 1), 0);
}

} // namespace
} // namespace lumetra
