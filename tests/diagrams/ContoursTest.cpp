#include "diagrams/Contours.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace lumetra::diagrams {
namespace {

template <typename F> ContourGrid Sampled(std::size_t columns, std::size_t rows, F f) {
    ContourGrid grid{columns, rows, {}};
    for (std::size_t r = 0; r < rows; ++r)
        for (std::size_t c = 0; c < columns; ++c)
            grid.values.push_back(f(double(c), double(r)));
    return grid;
}

TEST(Contours, ARampGivesOneStraightOpenLineAcrossTheGrid) {
    const ContourGrid ramp = Sampled(5, 4, [](double x, double) { return 10 * x; });
    const auto lines = ContourLines(ramp, 25);
    ASSERT_EQ(lines.size(), 1u);
    ASSERT_EQ(lines[0].size(), 4u); // one point on each row
    for (const ContourPoint& p : lines[0])
        EXPECT_DOUBLE_EQ(p.x, 2.5);
    EXPECT_NE(lines[0].front(), lines[0].back());
}

TEST(Contours, AHillGivesOneClosedLineAtItsLevel) {
    const ContourGrid hill =
        Sampled(21, 21, [](double x, double y) { return 100 - std::hypot(x - 10, y - 10) * 10; });
    const auto lines = ContourLines(hill, 40); // distance 6 from the top
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].front(), lines[0].back());
    EXPECT_GT(lines[0].size(), 20u);
    for (const ContourPoint& p : lines[0])
        EXPECT_NEAR(std::hypot(p.x - 10, p.y - 10), 6, 0.1);
}

TEST(Contours, TwoHillsGiveTwoLinesAndALowerLevelJoinsThem) {
    const ContourGrid hills = Sampled(44, 25, [](double x, double y) {
        return std::fmax(100 - 10 * std::hypot(x - 12, y - 12),
                         100 - 10 * std::hypot(x - 30, y - 12));
    });
    EXPECT_EQ(ContourLines(hills, 70).size(), 2u);
    const auto joined = ContourLines(hills, 5); // below the saddle between them
    ASSERT_EQ(joined.size(), 1u);
    EXPECT_EQ(joined[0].front(), joined[0].back());
}

TEST(Contours, ASaddleCellIsDecidedByItsCentre) {
    // Corners 10 and 10 on one diagonal, 0 and 0 on the other: the centre (5) is inside at 4.
    const ContourGrid saddle{2, 2, {10, 0, 0, 10}};
    const auto inside = ContourLines(saddle, 4);
    ASSERT_EQ(inside.size(), 2u);
    // The outside corners (top right, bottom left) are cut off.
    for (const auto& line : inside)
        for (const ContourPoint& p : line)
            EXPECT_TRUE((p.x >= 0.5 && p.y <= 0.5) || (p.x <= 0.5 && p.y >= 0.5));
    const auto outside = ContourLines(saddle, 6);
    ASSERT_EQ(outside.size(), 2u);
    for (const auto& line : outside)
        for (const ContourPoint& p : line)
            EXPECT_TRUE((p.x <= 0.5 && p.y <= 0.5) || (p.x >= 0.5 && p.y >= 0.5));
}

TEST(Contours, MissingValuesCountAsOutsideAndSmallGridsGiveNothing) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const ContourGrid holed{3, 3, {10, 10, 10, 10, nan, 10, 10, 10, 10}};
    const auto lines = ContourLines(holed, 5);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].front(), lines[0].back());
    EXPECT_TRUE(ContourLines({1, 5, {1, 2, 3, 4, 5}}, 2).empty());
    EXPECT_TRUE(ContourLines({3, 3, {1, 2}}, 2).empty());
    EXPECT_TRUE(ContourLines(Sampled(4, 4, [](double, double) { return 1.0; }), 5).empty());
}

} // namespace
} // namespace lumetra::diagrams
