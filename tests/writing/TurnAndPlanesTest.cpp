// Turning the C-planes, and the EULUMDAT symmetry and C-angles chosen for horizontal angles.

#include "support/Records.h"
#include "writing/EulumdatPlanes.h"
#include "writing/TurnedPlanes.h"

#include <gtest/gtest.h>

namespace lumetra::writing {
namespace {

// A record whose plane at angle h holds the single value h + 1000, so every move shows.
tIES Planes(const tArrEx& angles) {
    std::vector<tArrEx> planes;
    for (const long double h : angles)
        planes.push_back({h + 1000, h + 2000});
    return test::MakeRecord({0, 90}, planes, angles);
}

tArrEx FirstValues(const tIES& record) {
    tArrEx values;
    for (const tArrEx& plane : record.Candela)
        values.push_back(plane[0]);
    return values;
}

TEST(TurnedRecord, PlanesMoveToCPlusTheAngleInTheFormTheTurnAllows) {
    const struct {
        const char* name;
        tArrEx angles;
        int degrees;
        tArrEx turnedAngles;
        tArrEx turnedValues; // the source plane's value at each turned angle
    } cases[] = {
        {"axial", {0}, 90, {0}, {1000}},
        {"quadrant by 90", {0, 30, 90}, 90, {0, 60, 90}, {1090, 1030, 1000}},
        {"quadrant by 180", {0, 30, 90}, 180, {0, 30, 90}, {1000, 1030, 1090}},
        {"C0-C180 by 90 becomes C90-C270", {0, 90, 180}, 90, {90, 180, 270}, {1000, 1090, 1180}},
        {"C0-C180 by 180 stays", {0, 60, 180}, 180, {0, 120, 180}, {1180, 1060, 1000}},
        {"C90-C270 by 270 becomes C0-C180", {90, 180, 270}, 270, {0, 90, 180}, {1090, 1180, 1270}},
        {"whole turn with 360",
         {0, 90, 180, 270, 360},
         90,
         {0, 90, 180, 270, 360},
         {1270, 1000, 1090, 1180, 1270}},
        {"whole turn without 360", {0, 120, 240}, 180, {60, 180, 300}, {1240, 1000, 1120}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const tIES turned = TurnedRecord(Planes(c.angles), c.degrees);
        EXPECT_EQ(turned.HorizontalAngles, c.turnedAngles);
        EXPECT_EQ(FirstValues(turned), c.turnedValues);
        EXPECT_EQ(turned.HorizontalCount, c.turnedAngles.size());
    }
}

TEST(TurnedRecord, FourQuarterTurnsGiveTheRecordBack) {
    const tIES record = Planes({0, 22.5, 45, 67.5, 90, 112.5, 135, 157.5, 180});
    tIES turned = record;
    for (int i = 0; i < 4; ++i)
        turned = TurnedRecord(turned, 90);
    EXPECT_EQ(turned.HorizontalAngles, record.HorizontalAngles);
    EXPECT_EQ(turned.Candela, record.Candela);
}

TEST(EulumdatPlanesOf, SymmetryCAnglesAndStoredOrder) {
    const struct {
        const char* name;
        tArrEx angles;
        int isym;
        tArrEx cAngles;
        std::vector<std::size_t> stored;
    } cases[] = {
        {"one plane", {0}, 1, {0}, {0}},
        {"quadrant", {0, 30, 90}, 4, {0, 30, 90, 150, 180, 210, 270, 330}, {0, 1, 2}},
        {"C0-C180", {0, 90, 180}, 2, {0, 90, 180, 270}, {0, 1, 2}},
        {"C90-C270 symmetric about 180",
         {90, 150, 180, 210, 270},
         3,
         {0, 30, 90, 150, 180, 210, 270, 330},
         {4, 3, 2, 1, 0}},
        {"C90-C270 not symmetric", {90, 100, 270}, 0, {80, 90, 100, 270}, {1, 0, 1, 2}},
        {"whole turn, 360 equal to 0", {0, 90, 180, 270, 360}, 0, {0, 90, 180, 270}, {0, 1, 2, 3}},
        // The completion turns the second angle to 360.0200000000001 (from the first); the plane
        // keeps its own angle, not that one brought back into the circle and rounded to 0.02.
        {"whole turn from a later angle keeps every stored angle exactly",
         {0.03L, 0.0200000000001L},
         0,
         {0.0200000000001L, 0.03L},
         {1, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        tIES record = Planes(c.angles);
        if (c.angles.size() == 5 && c.angles.back() == 360)
            record.Candela.back() = record.Candela.front();
        const EulumdatPlanes planes = EulumdatPlanesOf(record);
        EXPECT_EQ(planes.Isym, c.isym);
        EXPECT_EQ(planes.CAngles, c.cAngles);
        EXPECT_EQ(planes.Stored, c.stored);
        EXPECT_FALSE(planes.DroppedC360);
    }
}

TEST(EulumdatPlanesOf, SaysWhenAC360PlaneThatDiffersIsDropped) {
    const EulumdatPlanes planes = EulumdatPlanesOf(Planes({0, 180, 360}));
    EXPECT_EQ(planes.CAngles, (tArrEx{0, 180}));
    EXPECT_TRUE(planes.DroppedC360);
}

TEST(CommonStep, EquidistantOrZero) {
    EXPECT_EQ(CommonStep({0, 7.5, 15, 22.5}), 7.5L);
    EXPECT_EQ(CommonStep({0, 5, 15}), 0);
    EXPECT_EQ(CommonStep({42}), 0);
}

} // namespace
} // namespace lumetra::writing
