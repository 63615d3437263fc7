#include "diagrams/CurveClip.h"

#include <gtest/gtest.h>

namespace lumetra::diagrams {
namespace {

using Points = std::vector<CurvePoint>;

TEST(CurveClip, PiecesEndWhereTheCurveCrossesTheRange) {
    const Points curve{{-180, 0}, {-100, 10}, {-80, 30}, {0, 50}, {80, 30}, {100, 10}};
    const auto pieces = ClipToAngles(curve, -90, 90);
    ASSERT_EQ(pieces.size(), 1u);
    EXPECT_EQ(pieces[0], (Points{{-90, 20}, {-80, 30}, {0, 50}, {80, 30}, {90, 20}}));
}

TEST(CurveClip, EndsInsideTheRangeAreKeptAndACurveOutsideGivesNothing) {
    const auto tail = ClipToAngles(Points{{80, 1}, {120, 2}, {160, 3}}, 0, 100);
    ASSERT_EQ(tail.size(), 1u);
    EXPECT_EQ(tail[0], (Points{{80, 1}, {100, 1.5}}));
    const auto inner = ClipToAngles(Points{{0, 0}, {20, 2}, {40, 4}}, 10, 30);
    ASSERT_EQ(inner.size(), 1u);
    EXPECT_EQ(inner[0], (Points{{10, 1}, {20, 2}, {30, 3}}));
    EXPECT_TRUE(ClipToAngles(Points{{100, 1}, {120, 1}}, 0, 90).empty());
}

TEST(CurveClip, LargestAndSmallestValuesOnlyLookInsideTheRange) {
    const std::vector<Series> series{{"a", {{-10, 5}, {0, 0}, {10, 2}}, Rgb(0, 0, 0)},
                                     {"b", {{100, 50}, {5, 0.5}}, Rgb(0, 0, 0)}};
    EXPECT_EQ(LargestValue(series, -90, 90), 5);
    EXPECT_EQ(LargestValue(series, 90, 180), 50);
    EXPECT_EQ(SmallestPositive(series, -90, 90), 0.5);
    EXPECT_EQ(SmallestPositive(series, 20, 30), 0);
}

} // namespace
} // namespace lumetra::diagrams
