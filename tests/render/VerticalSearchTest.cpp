// The bracket search of a render pass stops exactly where the look-up's linear search from
// index 0 stops, for any list of angles, and keeps a pass over tens of thousands of angles that
// do not ascend from taking seconds.

#include "render/VerticalSearch.h"

#include "RenderTestSupport.h"
#include "data/broken/BrokenFiles.h"
#include "render/LightPattern.h"
#include "support/LoadOutcome.h"
#include "support/TempFolder.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <random>

namespace lumetra {
namespace {

std::size_t LinearStop(const tArrEx& angles, long double g) {
    const std::size_t last = angles.size() - 1;
    std::size_t i = 0;
    while (angles[i] < g && i < last)
        ++i;
    return i;
}

void ExpectSameStops(const tArrEx& angles, const std::vector<long double>& probes) {
    const VerticalSearch search(angles);
    for (const long double g : probes)
        EXPECT_EQ(search.Stop(angles, g), LinearStop(angles, g)) << "g = " << g;
}

// Probes at, just around and between every angle, and beyond both ends.
std::vector<long double> ProbesAround(const tArrEx& angles) {
    std::vector<long double> probes = {-1e9L, 0, 1e9L,
                                       std::numeric_limits<long double>::quiet_NaN()};
    for (const long double a : angles)
        for (const long double d : {-0.5L, 0.0L, 0.5L})
            probes.push_back(a + d);
    return probes;
}

TEST(VerticalSearch, StopsWhereTheLinearSearchStops) {
    const tArrEx lists[] = {
        {0},
        {0, 90},
        {0, 10, 20, 45, 90, 180},
        {90, 135, 180},
        {-90, -45, 0, 45, 90},
        {5, 5, 30, 45, 60, 90},  // duplicates at the start
        {0, 30, 45, 45, 60, 90}, // and in the middle
        {90, 60, 45, 30, 0},     // descending
        {1, 0, 0, 0, 90},        // a running maximum that stays flat
        {0, 40, 20, 60, 10, 90, 50},
    };
    for (const tArrEx& angles : lists)
        ExpectSameStops(angles, ProbesAround(angles));
}

TEST(VerticalSearch, AgreesWithTheLinearSearchOnRandomLists) {
    std::mt19937 random(8);
    std::uniform_int_distribution<int> size(1, 40);
    std::uniform_int_distribution<int> angle(-20, 200); // few distinct values: many ties
    for (int round = 0; round < 500; ++round) {
        tArrEx angles(static_cast<std::size_t>(size(random)));
        for (auto& a : angles)
            a = angle(random);
        if (round % 2 == 0)
            std::sort(angles.begin(), angles.end());
        ExpectSameStops(angles, ProbesAround(angles));
    }
}

TEST(VerticalSearch, NanAmongTheAnglesStopsThereLikeTheLinearSearch) {
    const long double nan = std::numeric_limits<long double>::quiet_NaN();
    const tArrEx angles = {0, 30, nan, 60, 90};
    ExpectSameStops(angles, {10, 30, 45, 75, 100});
}

TEST(VerticalSearch, WithoutAnglesBuiltInStopsLikeTheLinearSearch) {
    const VerticalSearch unbuilt;
    const tArrEx angles = {0, 40, 20, 90};
    for (const long double g : {-5.0L, 20.0L, 30.0L, 95.0L})
        EXPECT_EQ(unbuilt.Stop(angles, g), LinearStop(angles, g));
}

// Found by review of the plain pass (the fuzz inputs are too short to hold so many numbers): a
// 262 KB file of 65535 vertical angles that do not ascend took 4 s per render pass, and a
// minute under the sanitizers, because every sample walked nearly the whole list. The pass
// must give exactly the picture of a three-angle record whose search stops at the same angles.
TEST(VerticalSearch, PassOverManyAnglesThatDoNotAscendMatchesItsShortTwin) {
    const int count = 65535;
    std::string text =
        test::kBrokenHeader + "1 1000 1 " + std::to_string(count) + " 1 1 1 0 0 0 1 1 100\n1";
    for (int v = 1; v < count - 1; ++v)
        text += " 0";
    text += " 90\n0\n";
    for (int v = 0; v < count - 1; ++v)
        text += "100 ";
    text += "0\n";
    test::TempFolder folder;
    const test::LoadOutcome loaded = test::LoadFile(folder.Write("unsorted.ies", text));
    ASSERT_FALSE(loaded.error.has_value()) << *loaded.error;
    ASSERT_EQ(loaded.record.VerticalAngles.size(), 65535u);

    const tIES twin = test::MakeRecord({1, 0, 90}, {{100, 100, 0}});
    for (const int radiosity : {0, 1}) {
        RenderSettings settings;
        settings.radiosity = radiosity;
        LightPatternGrid many;
        LightPatternGrid few;
        RenderLightPattern(loaded.record, settings, nullptr, many);
        RenderLightPattern(twin, settings, nullptr, few);
        EXPECT_EQ(many.grey, few.grey);
    }
}

} // namespace
} // namespace lumetra
