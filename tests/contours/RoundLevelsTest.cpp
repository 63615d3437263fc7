#include "contours/RoundLevels.h"

#include <cmath>
#include <gtest/gtest.h>

namespace lumetra::contours {
namespace {

struct LevelsCase {
    double low;
    double high;
    std::size_t most;
    std::vector<double> expected;
};

TEST(RoundLevels, PicksRoundValuesBetweenTheExtremes) {
    const LevelsCase cases[] = {
        // Wide range: 1-2-5 series down to high / 1000, the floor itself left out.
        {0, 1000, 10, {2, 5, 10, 20, 50, 100, 200, 500}},
        {0.5, 333, 10, {1, 2, 5, 10, 20, 50, 100, 200}},
        {0, 1000, 3, {100, 200, 500}},
        {12, 90, 10, {20, 40, 60, 80}}, // 1-2-5 gives only 20 and 50: even steps
        // Narrow range: even steps.
        {100, 150, 10, {110, 120, 130, 140}},
        {0.21, 0.33, 10, {0.225, 0.25, 0.275, 0.3, 0.325}},
        // Nothing to draw.
        {5, 5, 10, {}},
        {7, 3, 10, {}},
        {0, 1, 0, {}},
    };
    for (const LevelsCase& c : cases) {
        const std::vector<double> levels = RoundLevels(c.low, c.high, c.most);
        const std::vector<double>& expected = c.expected;
        ASSERT_EQ(levels.size(), expected.size()) << c.low << ".." << c.high;
        for (std::size_t k = 0; k < levels.size(); ++k)
            EXPECT_NEAR(levels[k], expected[k], 1e-12 * expected[k]) << c.low << ".." << c.high;
    }
}

TEST(RoundLevels, NegativeAndInfiniteRangesAreHandled) {
    const std::vector<double> levels = RoundLevels(-50, 50);
    ASSERT_FALSE(levels.empty());
    EXPECT_GT(levels.front(), -50);
    EXPECT_LT(levels.back(), 50);
    EXPECT_TRUE(RoundLevels(0, INFINITY).empty());
    EXPECT_TRUE(RoundLevels(NAN, 1).empty());
}

TEST(RoundLevels, EvenTicksIncludeTheEndsOnTheirStep) {
    EXPECT_EQ(EvenTicks(-20, 20), (std::vector<double>{-20, -15, -10, -5, 0, 5, 10, 15, 20}));
    EXPECT_EQ(EvenTicks(0, 3.3, 4), (std::vector<double>{0, 1, 2, 3}));
    const std::vector<double> tenths = EvenTicks(-0.3, 0.3, 6);
    ASSERT_EQ(tenths.size(), 7u);
    EXPECT_NEAR(tenths.front(), -0.3, 1e-15);
    EXPECT_EQ(tenths[3], 0);
    EXPECT_TRUE(EvenTicks(1, 1).empty());
}

TEST(RoundLevels, LevelTextKeepsThreeSignificantDigits) {
    const std::pair<double, const char*> cases[] = {
        {0.5, "0.5"},     {2, "2"},         {2500, "2500"}, {12.5, "12.5"}, {0.25, "0.25"},
        {0.125, "0.125"}, {1234.6, "1235"}, {0, "0"},       {-20, "-20"},   {2e7, "2.00e+07"},
    };
    for (const auto& [level, text] : cases)
        EXPECT_EQ(LevelText(level), text) << level;
}

} // namespace
} // namespace lumetra::contours
