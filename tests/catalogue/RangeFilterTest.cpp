#include "catalogue/RangeFilter.h"

#include <gtest/gtest.h>

namespace lumetra::catalogue {
namespace {

struct RangeCase {
    const char* text;
    Column column;
    long double inside;
    long double outside;
};

class RangeTexts : public ::testing::TestWithParam<RangeCase> {};

TEST_P(RangeTexts, ParseIntoARangeOnTheNamedColumn) {
    const RangeCase& c = GetParam();
    const ParsedRanges parsed = ParseRanges(c.text);
    ASSERT_EQ(parsed.error, "");
    ASSERT_EQ(parsed.ranges.size(), 1U);
    EXPECT_EQ(parsed.ranges[0].column, c.column);
    EXPECT_TRUE(InRange(parsed.ranges[0], c.inside));
    EXPECT_FALSE(InRange(parsed.ranges[0], c.outside));
    EXPECT_FALSE(InRange(parsed.ranges[0], std::nullopt));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RangeTexts,
    ::testing::Values(RangeCase{"flux 2,500-3,500", Column::Flux, 3500, 3500.5L},
                      RangeCase{"Flux 2500 - 3500", Column::Flux, 2500, 2499},
                      RangeCase{"beam < 30", Column::Beam, 29.9L, 30},
                      RangeCase{"beam <= 30", Column::Beam, 30, 30.1L},
                      RangeCase{"efficacy>120", Column::Efficacy, 120.5L, 120},
                      RangeCase{"efficacy >= 120", Column::Efficacy, 120, 119.9L},
                      RangeCase{"beam90 <1.5e1", Column::BeamSecond, 14, 15},
                      RangeCase{"down -1-50", Column::DownwardFraction, -0.5L, 51},
                      RangeCase{" ; lor 80-90 ; ", Column::LightOutputRatio, 85, 79}));

TEST(RangeTexts, SeveralClausesAndAnEmptyText) {
    EXPECT_EQ(ParseRanges("flux >1; beam <2; field 3-4").ranges.size(), 3U);
    const ParsedRanges none = ParseRanges("   ");
    EXPECT_TRUE(none.ranges.empty());
    EXPECT_EQ(none.error, "");
}

TEST(RangeTexts, FaultsNameTheClause) {
    for (const char* text : {"fluxx 1-2", "manufacturer 1-2", "flux", "flux 3-2", "flux <",
                             "flux 1-2-3", "flux abc", "beam < 3 0x", "flux2500-3500"}) {
        SCOPED_TRACE(text);
        const ParsedRanges parsed = ParseRanges(std::string("beam <5; ") + text);
        EXPECT_TRUE(parsed.ranges.empty());
        EXPECT_NE(parsed.error.find(text), std::string::npos);
    }
}

} // namespace
} // namespace lumetra::catalogue
