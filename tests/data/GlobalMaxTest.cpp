#include "data/GlobalMax.h"

#include "support/LoadOutcome.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace lumetra {
namespace {

tIES WithPlanes(std::vector<tArrEx> planes) {
    tIES record;
    record.Candela = std::move(planes);
    return record;
}

long double MaxOverAll(const tIES& record, long double start) {
    long double peak = start;
    FindGlobalMaxCandela(record, 0, static_cast<int>(record.Candela.size()) - 1, peak);
    return peak;
}

TEST(GlobalMax, LargestValueOfAllPlanes) {
    EXPECT_EQ(MaxOverAll(WithPlanes({{1, 5, 2}, {7, 3, 0}, {6, 6.5L, 6}}), 0), 7);
}

TEST(GlobalMax, AllZeroGivesZeroWhateverItWasBefore) {
    EXPECT_EQ(MaxOverAll(WithPlanes({{0, 0}, {0, 0}}), 123), 0);
}

TEST(GlobalMax, AllNegativeGivesTheLeastNegative) {
    EXPECT_EQ(MaxOverAll(WithPlanes({{-5, -3.5L}, {-2.25L, -9}}), 0), -2.25L);
}

TEST(GlobalMax, EqualMaximaGiveThatValue) {
    EXPECT_EQ(MaxOverAll(WithPlanes({{4, 9}, {9, 1}, {9, 9}}), 0), 9);
}

TEST(GlobalMax, OnePlane) {
    EXPECT_EQ(MaxOverAll(WithPlanes({{3, 8, -1}}), 100), 8);
}

TEST(GlobalMax, OnlyThePlanesOfTheRangeCount) {
    const tIES record = WithPlanes({{100}, {2, 3}, {50}});
    long double peak = 0;
    FindGlobalMaxCandela(record, 1, 1, peak);
    EXPECT_EQ(peak, 3);
}

TEST(GlobalMax, RangeBeyondThePlanesIsCutToThem) {
    const tIES record = WithPlanes({{1}, {2}});
    long double peak = 0;
    FindGlobalMaxCandela(record, -3, 40, peak);
    EXPECT_EQ(peak, 2);
}

TEST(GlobalMax, NoPlanesLeavesTheValueUnchanged) {
    EXPECT_EQ(MaxOverAll(WithPlanes({}), 42.5L), 42.5L);
}

TEST(GlobalMax, PlanesWithoutValuesLeaveTheValueUnchanged) {
    EXPECT_EQ(MaxOverAll(WithPlanes({{}, {}, {}}), -7), -7);
}

TEST(GlobalMax, EmptyFirstPlaneDoesNotHideTheOthers) {
    EXPECT_EQ(MaxOverAll(WithPlanes({{}, {-4, -6}}), 0), -4);
}

TEST(GlobalMax, CandelaMultiplierIsNotApplied) {
    const auto out = test::ReadText("TILT=NONE\n1 1000 2.5 2 1 1 1 0 0 0 1 1 10\n0 90\n0\n30 40\n");
    EXPECT_EQ(out.record.CandelaMultiplier, 2.5L);
    EXPECT_EQ(MaxOverAll(out.record, 0), 40);
}

} // namespace
} // namespace lumetra
