// Numbers as the writers put them: shortest, positional, and read back exactly.

#include "writing/NumberFormat.h"

#include "data/NumericText.h"

#include <gtest/gtest.h>

namespace lumetra::writing {
namespace {

long double Read(const char* text) {
    long double value = 0;
    EXPECT_TRUE(ConvertToken(text, value)) << text;
    return value;
}

TEST(FormatNumber, WritesTheShortestDecimalThatReadsBackExactly) {
    const struct {
        const char* read;
        const char* written;
    } cases[] = {
        {"1234.5", "1234.5"},
        {"0.1", "0.1"},
        {"-0", "0"},
        {"1E-5", "0.00001"},
        {"100.000", "100"},
        {"-.5", "-0.5"},
        {"1e20", "100000000000000000000"},
        {"2.4", "2.4"},
        {"0.0153", "0.0153"},
        // More digits than a double holds: kept, since the record holds them.
        {"0.12345678901234567891", "0.12345678901234567891"},
    };
    for (const auto& c : cases) {
        const long double value = Read(c.read);
        EXPECT_EQ(FormatNumber(value), c.written) << c.read;
        EXPECT_EQ(Read(FormatNumber(value).c_str()), value) << c.read;
    }
}

TEST(FormatNumber, ComputedValuesAreWrittenAsTheNearestDouble) {
    EXPECT_EQ(FormatComputed(5814.0L * 51 / 1000 / 510), "0.5814");
    EXPECT_EQ(FormatComputed(-0.0L), "0");
    EXPECT_EQ(FormatComputed(1.0L / 3), "0.3333333333333333");
    EXPECT_EQ(FormatNumber(1.0L / 3), "0.33333333333333333334"); // a read value stays exact
}

TEST(TidyAngle, AnglesComputedByTurningReadAsTyped) {
    EXPECT_EQ(TidyAngle(Read("2.4") + 90 - 90), Read("2.4"));
    EXPECT_EQ(TidyAngle(180 - Read("87.6")), Read("92.4"));
    EXPECT_EQ(TidyAngle(-1e-12L), 0);
    EXPECT_EQ(TidyAngle(1e30L), 1e30L); // far beyond any angle: left alone
}

TEST(IsPlainNumber, OnlyDigitsWithAnOptionalSignAndPoint) {
    for (const char* plain : {"0", "-12", "1.5", "12.", ".5", "-0.25"})
        EXPECT_TRUE(IsPlainNumber(plain)) << plain;
    for (const char* other : {"", "-", ".", "1e3", "+1", " 1", "1,5", "1.2.3", "0x1"})
        EXPECT_FALSE(IsPlainNumber(other)) << other;
}

} // namespace
} // namespace lumetra::writing
