#include "data/Errors.h"
#include "data/Loading.h"
#include "gonio/Curves.h"
#include "gonio/Goniogram.h"
#include "support/Samples.h"

#include <gtest/gtest.h>
#include <vector>

namespace lumetra {
namespace {

tArrEx Steps(long double first, long double step, long double last) {
    tArrEx angles;
    for (long double a = first; a <= last; a += step)
        angles.push_back(a);
    return angles;
}

std::vector<int> Opposites(const tArrEx& angles) {
    std::vector<int> result;
    for (int s = 0; s < static_cast<int>(angles.size()); ++s)
        result.push_back(OppositePlane(angles, s));
    return result;
}

TEST(OppositePlane, FullCircleWithoutSpecialEnds) {
    EXPECT_EQ(Opposites({0, 90, 180, 270}), (std::vector<int>{2, 3, 0, 1}));
    const tArrEx twelve = Steps(0, 30, 330);
    EXPECT_EQ(OppositePlane(twelve, 0), 6);
    EXPECT_EQ(OppositePlane(twelve, 6), 0);
    EXPECT_EQ(OppositePlane(twelve, 11), 5);
}

TEST(OppositePlane, FirstMatchWinsWhenThe360PlaneIsPresent) {
    const tArrEx planes = Steps(0, 15, 360); // n = 24
    ASSERT_EQ(planes.size(), 25u);
    EXPECT_EQ(OppositePlane(planes, 0), 12);
    EXPECT_EQ(OppositePlane(planes, 12), 0);
    EXPECT_EQ(OppositePlane(planes, 24), 12);
}

TEST(OppositePlane, QuadrantDataMirrorsEachPlaneOntoItself) {
    EXPECT_EQ(Opposites({0, 22.5L, 45, 67.5L, 90}), (std::vector<int>{0, 1, 2, 3, 4}));
}

TEST(OppositePlane, HalfDataUsesTheMirroredIndex) {
    EXPECT_EQ(Opposites(Steps(0, 30, 180)), (std::vector<int>{6, 5, 4, 3, 2, 1, 0}));
    // Bilateral data need not start at 0.
    EXPECT_EQ(Opposites({90, 180, 270}), (std::vector<int>{2, 1, 0}));
}

TEST(OppositePlane, HalfSetsPairPlanesAtTheMirroredAngle) {
    tIES roadway; // planes 0, 1, 5, 10, ..., 180
    TextLines fileLines;
    TextLines headerLines;
    LoadPhotometry(test::SamplePath("lm2002_roadway_199x38_crlf.ies"), roadway, fileLines,
                   headerLines, nullptr);
    const tArrEx& uneven = roadway.HorizontalAngles;
    struct Row {
        tArrEx angles;
        int plane;
        int opposite;
    };
    const std::vector<Row> rows{
        {Steps(0, 30, 180), 1, 5},            // even: the mirrored index
        {uneven, 10, 28},                     // C45 with C135, not C130
        {uneven, 28, 10},                     // and back
        {uneven, 1, 36},                      // no C179: the mirrored index
        {{90, 95, 100, 180, 260, 270}, 2, 4}, // 90..270: C100 with C260
        {{0, 90, 90, 180}, 1, 2},             // a repeated angle keeps its index
    };
    for (const Row& row : rows)
        EXPECT_EQ(OppositePlane(row.angles, row.plane), row.opposite)
            << "plane " << row.plane << " of " << row.angles.size();
}

TEST(OppositePlane, NoPlaneHalfACircleAwayGivesTheLastPlane) {
    EXPECT_EQ(OppositePlane({0, 100, 250}, 1), 2);
}

TEST(OppositePlane, SinglePlaneIsItsOwnOpposite) {
    EXPECT_EQ(OppositePlane({0}, 0), 0);
    EXPECT_EQ(OppositePlane({42}, 0), 0);
}

TEST(OppositePlane, IndexOutsideThePlanesIsAnError) {
    EXPECT_THROW(OppositePlane({0, 90}, 2), LumetraError);
    EXPECT_THROW(OppositePlane({0, 90}, -1), LumetraError);
    EXPECT_THROW(OppositePlane({}, 0), LumetraError);
}

TEST(OrthogonalPlane, FirstPlaneNinetyDegreesPastTheFirst) {
    EXPECT_EQ(OrthogonalPlane({0, 22.5L, 45, 67.5L, 90}), 4);
    EXPECT_EQ(OrthogonalPlane(Steps(0, 30, 330)), 3);
    EXPECT_EQ(OrthogonalPlane({90, 135, 180, 225, 270}), 2);
    EXPECT_EQ(OrthogonalPlane({0, 90, 90}), 1);
}

TEST(OrthogonalPlane, NoneNinetyDegreesAwayGivesPlaneZero) {
    EXPECT_EQ(OrthogonalPlane({0, 45, 100, 180, 270}), 0);
    EXPECT_EQ(OrthogonalPlane({0}), 0);
    EXPECT_EQ(OrthogonalPlane({}), 0);
}

} // namespace
} // namespace lumetra
