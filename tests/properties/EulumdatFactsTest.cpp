// What an EULUMDAT file says about its luminaire, on a real file with three lamp sets.

#include "properties/EulumdatFacts.h"

#include "data/Loading.h"
#include "support/Samples.h"

#include <gtest/gtest.h>

namespace lumetra::properties {
namespace {

TEST(EulumdatFacts, DimensionsLampSetsAndDirectRatios) {
    const EulumdatFile file = ReadEulumdat(
        ReadFileLines(test::LdtSamplePath("ldt_isym1_37_three_lamp_sets.ldt"), "EULUMDAT"));
    const auto rows = EulumdatFactRows(file, NumberFormat(".", ","));
    ASSERT_EQ(rows.size(), 6u);
    EXPECT_EQ(rows[0], (CaptionedValue{"Luminaire dimensions", "\u2300 120 \u00d7 120 mm"}));
    EXPECT_EQ(rows[1], (CaptionedValue{"Luminous area", "\u2300 0 \u00d7 0 mm"}));
    EXPECT_EQ(rows[2],
              (CaptionedValue{"Lamp set 1", "1 \u00d7 Single Lamp, 500 lm, 3000, 100, 15.0 W"}));
    EXPECT_EQ(rows[3],
              (CaptionedValue{"Lamp set 2", "2 \u00d7 Double Lamp, 1,200 lm, 3000, 100, 30.0 W"}));
    EXPECT_EQ(rows[5].first, "Direct ratios");
    EXPECT_EQ(rows[5].second.rfind("k 0.60: 0.686, k 0.80: ", 0), 0u) << rows[5].second;
}

TEST(EulumdatFacts, RectangularSizesAndMissingRatios) {
    EulumdatFile file;
    file.LuminaireDimensions[0] = 1200;
    file.LuminaireDimensions[1] = 300;
    file.LuminaireDimensions[2] = 80;
    file.LuminousAreaLength = 1150;
    file.LuminousAreaWidth = 250;
    const auto rows = EulumdatFactRows(file);
    EXPECT_EQ(rows[0].second, "1 200 \u00d7 300 \u00d7 80 mm");
    EXPECT_EQ(rows[1].second, "1 150 \u00d7 250 \u00d7 n/a");
    EXPECT_EQ(rows.back(), (CaptionedValue{"Direct ratios", "n/a"}));
}

} // namespace
} // namespace lumetra::properties
