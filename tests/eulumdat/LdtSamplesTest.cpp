// Every real EULUMDAT sample loads with the counts, gamma range, flux and stated ratios that its
// manifest row gives, its horizontal angles in the IES form of its symmetry.

#include "LdtText.h"
#include "data/Loading.h"
#include "support/Samples.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <gtest/gtest.h>

namespace lumetra {
namespace {

struct LdtSample {
    const char* file;
    int isym;
    std::size_t planes, gammas;
    long double firstGamma, lastGamma, flux;
    double lorPercent, dffPercent;
    long double planeStep = 0; // cd/klm between neighbouring planes of the synthetic files
};

const LdtSample kSamples[] = {
    {"ldt_isym0_16x91_floodlight_narrow_crlf.ldt", 0, 16, 91, 0, 90, 155000, 99.9, 100},
    {"ldt_isym0_24x37_synthetic_dc_field_mismatch.ldt", 0, 24, 37, 0, 90, 1000, 100, 100},
    {"ldt_isym0_24x47_floor_uplight.ldt", 0, 24, 47, 0, 180, 20000, 72.33, 1.74},
    {"ldt_isym0_24x73_downlight_upper_case_ext.LDT", 0, 24, 73, 0, 180, 2800, 98, 91.9},
    {"ldt_isym0_8x19_floodlight_asymmetric_crlf.ldt", 0, 8, 19, 0, 90, 123000, 99.8, 100},
    {"ldt_isym0_single_plane_type0_absolute.ldt", 0, 1, 37, 0, 90, 1000, 100, 100},
    {"ldt_isym1_19_batwing.ldt", 1, 1, 19, 0, 90, 4000, 85, 100},
    {"ldt_isym1_37_three_lamp_sets.ldt", 1, 1, 37, 0, 90, 2200, 100, 100},
    {"ldt_isym1_73_absolute_negative_lamp_count.ldt", 1, 1, 73, 0, 180, 321, 100, 100},
    {"ldt_isym2_24x19_template_constant_upper_hemisphere.ldt", 2, 13, 19, 90, 180, 1, 0, 0},
    {"ldt_isym2_24x37_ceiling_washlight_uplight.ldt", 2, 13, 37, 0, 180, 4350, 41, 0},
    {"ldt_isym2_36x37_synthetic_distinct_planes.ldt", 2, 19, 37, 0, 90, 1000, 100, 100, 37},
    {"ldt_isym2_72x55_projector_uneven_gamma.ldt", 2, 37, 55, 0, 90, 6500, 77.71, 100},
    {"ldt_isym3_144x47_two_lamp_sets_crlf.ldt", 3, 73, 47, 0, 140, 19680, 78, 99},
    {"ldt_isym3_24x181_latin1_name.ldt", 3, 13, 181, 0, 180, 51, 99.8, 51.6},
    {"ldt_isym3_24x37_direct_indirect_upper_case_ext.LDT", 3, 13, 37, 0, 180, 7650, 100, 26},
    {"ldt_isym3_36x37_synthetic_distinct_planes.ldt", 3, 19, 37, 0, 90, 1000, 100, 100, -37},
    {"ldt_isym3_52x25_road_uneven_c_planes.ldt", 3, 27, 25, 0, 90, 33200, 84.42, 100},
    {"ldt_isym3_72x91_street_empty_direct_ratios.ldt", 3, 37, 91, 0, 90, 4611, 100, 100},
    {"ldt_isym4_24x19_fluorescent_two_lamps.ldt", 4, 7, 19, 0, 90, 8100, 40.3, 100},
    {"ldt_isym4_24x37_four_fluorescent_lamps.ldt", 4, 7, 37, 0, 180, 7000, 71.4, 100},
    {"ldt_isym4_36x37_synthetic_distinct_planes.ldt", 4, 10, 37, 0, 90, 1000, 100, 100, 37},
};

// First and last horizontal angle of each symmetry's IES form; Isym 0 lists its own.
const long double kHorizontalRange[5][2] = {{0, 360}, {0, 0}, {0, 180}, {90, 270}, {0, 90}};

class LdtSampleLoads : public ::testing::TestWithParam<LdtSample> {};

TEST_P(LdtSampleLoads, AsItsManifestRowSays) {
    const LdtSample& s = GetParam();
    SCOPED_TRACE(s.file);
    const test::LdtLoad load(test::LdtSamplePath(s.file));
    ASSERT_FALSE(load.error) << *load.error;
    const tIES& r = load.record;
    ASSERT_EQ(r.Candela.size(), s.planes);
    EXPECT_EQ(r.HorizontalCount, s.planes);
    EXPECT_EQ(r.VerticalCount, s.gammas);
    EXPECT_EQ(r.VerticalAngles.front(), s.firstGamma);
    EXPECT_EQ(r.VerticalAngles.back(), s.lastGamma);
    EXPECT_EQ(r.HorizontalAngles.front(), kHorizontalRange[s.isym][0]);
    if (s.isym != 0) {
        EXPECT_EQ(r.HorizontalAngles.back(), kHorizontalRange[s.isym][1]);
    }
    EXPECT_TRUE(std::is_sorted(r.HorizontalAngles.begin(), r.HorizontalAngles.end()));
    for (std::size_t h = 0; h < r.Candela.size(); ++h) {
        ASSERT_EQ(r.Candela[h].size(), s.gammas);
        EXPECT_TRUE(std::all_of(r.Candela[h].begin(), r.Candela[h].end(),
                                [](long double cd) { return cd >= 0 && std::isfinite(cd); }));
        if (s.planeStep != 0 && h > 0) {
            EXPECT_EQ(r.Candela[h][0] - r.Candela[h - 1][0], s.planeStep) << "plane " << h;
        }
    }
    EXPECT_EQ(load.facts.StatedLampFlux, s.flux);
    EXPECT_NEAR(static_cast<double>(*load.facts.StatedLightOutputRatio), s.lorPercent / 100, 1e-12);
    EXPECT_NEAR(static_cast<double>(*load.facts.StatedDownwardFluxFraction), s.dffPercent / 100,
                1e-12);
    const std::string description = BuildDescription(HeaderText(load.headerLines));
    EXPECT_EQ(std::count(description.begin(), description.end(), '\r'), 6);
}

INSTANTIATE_TEST_SUITE_P(Samples, LdtSampleLoads, ::testing::ValuesIn(kSamples));

TEST(LdtSamples, EverySampleHasARow) {
    std::size_t files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(test::LdtSamplesFolder()))
        files += IsEulumdatFileName(entry.path().string()) ? 1 : 0;
    EXPECT_EQ(files, std::size(kSamples));
}

} // namespace
} // namespace lumetra
