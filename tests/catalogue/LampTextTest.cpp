// The Lamp cell of EULUMDAT files: every lamp set, and what a set states when its type is blank.

#include "catalogue/LampText.h"

#include "catalogue/CatalogueRow.h"
#include "support/Samples.h"

#include <gtest/gtest.h>

namespace lumetra::catalogue {
namespace {

EulumdatLampSet Set(long double count, const char* type, const char* colour, const char* rendering,
                    long double watts) {
    EulumdatLampSet set;
    set.NumberOfLamps = count;
    set.LampType = type;
    set.ColourTemperature = colour;
    set.ColourRendering = rendering;
    set.Wattage = watts;
    return set;
}

TEST(LampSetsText, TypeOrWhatTheSetStatesEverySetOnce) {
    const struct {
        const char* name;
        std::vector<EulumdatLampSet> sets;
        const char* expected;
    } cases[] = {
        {"one lamp, its type as written", {Set(1, " LED Module ", "3000", "80", 20)}, "LED Module"},
        {"several lamps counted", {Set(2, "T 16 G5 54W", "", "", 118)}, "2 × T 16 G5 54W"},
        {"absolute photometry counts the lamps too", {Set(-2, "LED", "", "", 0)}, "2 × LED"},
        {"blank type: colour, rendering and wattage with their units",
         {Set(1, "", "5700", "70", 1200)},
         "5700 K, Ra 70, 1200 W"},
        {"blank type: text values kept as written, absent ones left out",
         {Set(1, "  ", "3000K", "1B", 0)},
         "3000K, 1B"},
        {"several sets joined",
         {Set(1, "Single Lamp", "", "", 15), Set(2, "Double Lamp", "", "", 30)},
         "Single Lamp; 2 × Double Lamp"},
        {"nothing stated", {Set(1, "", "", "", 0)}, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(LampSetsText(c.sets), c.expected);
    }
}

TEST(CatalogueRow, EulumdatLampCellComesFromTheLampSets) {
    const struct {
        const char* file;
        const char* lamp;
    } cases[] = {
        {"ldt_isym0_16x91_floodlight_narrow_crlf.ldt", "5700 K, Ra 70, 1200 W"},
        {"ldt_isym1_37_three_lamp_sets.ldt",
         "Single Lamp; 2 × Double Lamp; Single Alternative Lamp"},
        {"ldt_isym0_24x47_floor_uplight.ldt", "HIT-DE Fc2 250W"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        const CatalogueRow row = LoadCatalogueRow({test::LdtSamplePath(c.file), c.file});
        EXPECT_EQ(row.lamp, c.lamp);
    }
}

} // namespace
} // namespace lumetra::catalogue
