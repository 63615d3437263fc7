#include "gonio/NumberText.h"

#include <cmath>
#include <gtest/gtest.h>

namespace lumetra {
namespace {

std::string Text(long double value) {
    return NumberText(value, ".");
}

TEST(NumberText, FixedNotationWithoutTrailingZeros) {
    EXPECT_EQ(Text(0), "0");
    EXPECT_EQ(Text(20), "20");
    EXPECT_EQ(Text(0.2L), "0.2");
    EXPECT_EQ(Text(1234.5L), "1234.5");
    EXPECT_EQ(Text(960), "960");
    EXPECT_EQ(Text(-2.5L), "-2.5");
    EXPECT_EQ(Text(-0.0L), "0");
}

TEST(NumberText, RoundsToFifteenSignificantDigits) {
    EXPECT_EQ(Text(1.0L / 3), "0.333333333333333");
    EXPECT_EQ(Text(2.0L / 3), "0.666666666666667");
    // Ring labels are products such as 3 * 0.1 that are not exact in binary.
    EXPECT_EQ(Text(3 * (10 * (1.0L / 10 / 10))), "0.3");
    EXPECT_EQ(Text(123456789012345.6L), "123456789012346");
}

TEST(NumberText, FixedRangeLimits) {
    EXPECT_EQ(Text(0.0001L), "0.0001");
    EXPECT_EQ(Text(0.00012L), "0.00012");
    EXPECT_EQ(Text(0.00005L), "5E-5");
    EXPECT_EQ(Text(999999999999999), "999999999999999");
    EXPECT_EQ(Text(1e15L), "1E15");
    // Rounding decides: just below 1E15 becomes 1E15, just below 0.0001 becomes 0.0001.
    EXPECT_EQ(Text(999999999999999.9L), "1E15");
    EXPECT_EQ(Text(0.0000999999999999999999L), "0.0001");
}

TEST(NumberText, ScientificNotation) {
    EXPECT_EQ(Text(1.5e20L), "1.5E20");
    EXPECT_EQ(Text(-1.5e20L), "-1.5E20");
    EXPECT_EQ(Text(1.25e-7L), "1.25E-7");
    EXPECT_EQ(Text(1e4000L), "1E4000");
    EXPECT_EQ(Text(1e-4000L), "1E-4000");
}

TEST(NumberText, UsesTheGivenDecimalSeparator) {
    EXPECT_EQ(NumberText(1234.5L, ","), "1234,5");
    EXPECT_EQ(NumberText(1.5e20L, ","), "1,5E20");
    EXPECT_EQ(NumberText(0.0005L, ","), "0,0005");
    EXPECT_EQ(NumberText(1000, ","), "1000"); // no thousands separator
}

TEST(NumberText, NonFiniteValues) {
    EXPECT_EQ(Text(HUGE_VALL), "INF");
    EXPECT_EQ(Text(-HUGE_VALL), "-INF");
    EXPECT_EQ(Text(std::nanl("")), "NAN");
}

} // namespace
} // namespace lumetra
