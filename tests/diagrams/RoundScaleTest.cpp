#include "diagrams/RoundScale.h"

#include <gtest/gtest.h>

namespace lumetra::diagrams {
namespace {

TEST(RoundScale, StepsAreOneTwoTwoAndAHalfOrFiveTimesAPowerOfTen) {
    struct Case {
        double largest;
        int count;
        double step;
    } const cases[] = {{100, 5, 20},      {1000, 4, 250},   {987, 5, 200},
                       {12.3, 5, 2.5},    {0.042, 4, 0.02}, {1, 1, 1},
                       {31000, 5, 10000}, {0, 5, 1},        {-3, 5, 1}};
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(RoundStep(c.largest, c.count), c.step) << c.largest << "/" << c.count;
}

TEST(RoundScale, LinearTicksStartAtZeroAndReachTheLargestValue) {
    const RoundScale scale = LinearScale(987, 5);
    EXPECT_EQ(scale.ticks, (std::vector<double>{0, 200, 400, 600, 800, 1000}));
    EXPECT_DOUBLE_EQ(scale.top, 1000);
    EXPECT_EQ(LinearScale(1000, 5).ticks.back(), 1000); // a round largest value is the top
    EXPECT_EQ(LinearScale(0, 5).top, 1);                // nothing to show still gives an axis
}

TEST(RoundScale, LogarithmicScaleCoversWholeDecadesDownToTheSmallestOrTheLimit) {
    EXPECT_EQ(LogScale(4500, 20, 6).ticks, (std::vector<double>{10, 100, 1000, 10000}));
    EXPECT_EQ(LogScale(4500, 0.001, 3).ticks, (std::vector<double>{10, 100, 1000, 10000}));
    EXPECT_EQ(LogScale(1000, 1000, 3).ticks, (std::vector<double>{100, 1000}));
}

TEST(RoundScale, ValuesShowAtMostSixSignificantDigits) {
    EXPECT_EQ(ValueText(0.1 + 0.2), "0.3");
    EXPECT_EQ(ValueText(2500), "2500");
    EXPECT_EQ(ValueText(123456.789), "123457");
    EXPECT_EQ(ValueText(0), "0");
}

} // namespace
} // namespace lumetra::diagrams
