// Every real sample file loads as its manifest row leads one to expect: the counts and angle
// ranges the manifest computed from the bytes, the header up to the TILT line, and a message only
// for the broken files.

#include "data/Errors.h"
#include "data/Loading.h"
#include "support/LoadOutcome.h"
#include "support/TempFolder.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>

namespace lumetra {
namespace {

using test::SamplePath;

struct Loaded {
    tIES record;
    TextLines fileLines;
    TextLines headerLines;
    test::MessageRecorder recorder;
    bool parseError = false;

    explicit Loaded(const std::string& name) {
        parseError =
            LoadPhotometry(SamplePath(name), record, fileLines, headerLines, recorder.notifier());
    }
};

// --- Sound files ------------------------------------------------------------------------------

struct SoundSample {
    const char* file;
    int vertical;
    int horizontal;
    long double firstVertical, lastVertical;
    long double firstHorizontal, lastHorizontal;
    std::size_t headerLines; // up to and including the TILT line
    int messageLine = 0;     // the line named when values do not convert (tabs between them)

    friend void PrintTo(const SoundSample& s, std::ostream* os) { *os << s.file; }
};

class SoundSampleLoads : public ::testing::TestWithParam<SoundSample> {};

TEST_P(SoundSampleLoads, AsTheManifestDescribesIt) {
    const SoundSample& s = GetParam();
    Loaded loaded(s.file);
    const tIES& r = loaded.record;
    const std::vector<std::string> message{"Error!\r\rLine " + std::to_string(s.messageLine)};
    EXPECT_EQ(loaded.recorder.messages, s.messageLine ? message : std::vector<std::string>{});
    EXPECT_EQ(loaded.parseError, s.messageLine != 0);
    EXPECT_EQ(loaded.headerLines.size(), s.headerLines);
    EXPECT_EQ(r.VerticalCount, s.vertical);
    EXPECT_EQ(r.HorizontalCount, s.horizontal);
    ASSERT_EQ(r.VerticalAngles.size(), static_cast<std::size_t>(s.vertical));
    ASSERT_EQ(r.HorizontalAngles.size(), static_cast<std::size_t>(s.horizontal));
    ASSERT_EQ(r.Candela.size(), static_cast<std::size_t>(s.horizontal));
    for (const auto& plane : r.Candela)
        ASSERT_EQ(plane.size(), static_cast<std::size_t>(s.vertical));
    EXPECT_EQ(r.VerticalAngles.front(), s.firstVertical);
    EXPECT_EQ(r.VerticalAngles.back(), s.lastVertical);
    EXPECT_EQ(r.HorizontalAngles.front(), s.firstHorizontal);
    EXPECT_EQ(r.HorizontalAngles.back(), s.lastHorizontal);
    EXPECT_TRUE(std::is_sorted(r.VerticalAngles.begin(), r.VerticalAngles.end()))
        << "angles out of order mean the values landed in the wrong places";
    EXPECT_TRUE(std::is_sorted(r.HorizontalAngles.begin(), r.HorizontalAngles.end()));
    const bool anyCandela = std::any_of(r.Candela.begin(), r.Candela.end(), [](const tArrEx& p) {
        return std::any_of(p.begin(), p.end(), [](long double v) { return v > 0; });
    });
    EXPECT_EQ(anyCandela, s.messageLine == 0);
}

const SoundSample kSoundSamples[] = {
    {"iesna95_nonstandard_version.ies", 73, 5, 0, 180, 0, 90, 15},
    {"lm1986_fluorescent_quadrant_crlf.ies", 37, 5, 0, 180, 0, 90, 9},
    {"lm1986_one_value_per_line_eof_marker.ies", 19, 1, 0, 90, 0, 0, 10},
    {"lm1986_spotlight_axial.ies", 19, 1, 0, 90, 0, 0, 9},
    {"lm1986_two_planes_latin1.ies", 73, 2, 0, 90, 0, 90, 9},
    {"lm1991_73x37_half.ies", 73, 37, 0, 180, 0, 180, 8},
    {"lm1991_bollard_crlf.ies", 29, 1, 0, 90, 0, 0, 9},
    {"lm1991_commas_one_per_line.ies", 37, 5, 0, 90, 0, 90, 11},
    {"lm1991_header_numbers_split_lines_synthetic.ies", 19, 3, 0, 180, 0, 90, 4},
    {"lm1991_sjis_axial.ies", 19, 1, 0, 90, 0, 0, 8},
    {"lm1991_two_planes_0_and_360.ies", 269, 2, 0, 180, 0, 360, 2},
    {"lm1991_typeb_minimal_2x5_crlf.ies", 2, 5, -90, 90, -90, 90, 2},
    {"lm1995_263x361_crlf.ies", 263, 361, 0, 180, 0, 360, 2},
    {"lm1995_bilateral_90_270.ies", 37, 37, 0, 90, 90, 270, 9},
    {"lm1995_bilateral_c90_c270.ies", 37, 13, 0, 90, 90, 270, 10},
    {"lm1995_edited_constant_2x2_crlf.ies", 2, 2, 0, 90, 0, 180, 12},
    {"lm1995_full_0_345_no360_crlf.ies", 19, 24, 0, 90, 0, 345, 9},
    {"lm1995_half_0_180_both_hemispheres.ies", 37, 13, 0, 180, 0, 180, 10},
    {"lm1995_leading_blanks_in_header.ies", 19, 1, 0, 90, 0, 0, 9},
    {"lm1995_pendant_more_crlf.ies", 73, 5, 0, 180, 0, 90, 17},
    {"lm1995_roadway_361x73_crlf.ies", 361, 73, 0, 180, 0, 360, 17},
    {"lm1995_shift_jis_181_per_line.ies", 181, 1, 0, 180, 0, 0, 9},
    {"lm1995_spec_example_tilt_include_crlf.ies", 5, 3, 0, 90, 0, 90, 19},
    {"lm1995_tabs_after_keywords.ies", 19, 7, 0, 90, 0, 90, 9},
    {"lm1995_wall_axial_0_180.ies", 73, 1, 0, 180, 0, 0, 8},
    {"lm2002_181x73_half_degree.ies", 181, 73, 0, 90, 0, 360, 12},
    {"lm2002_ctrl_z_at_end_crlf.ies", 37, 5, 0, 90, 0, 90, 27},
    {"lm2002_floodlight_mixed_case_keyword_crlf.ies", 181, 9, 0, 180, 0, 360, 27},
    {"lm2002_generated_721_planes.ies", 361, 721, 0, 180, 0, 360, 15},
    {"lm2002_half_uneven_planes_crlf.ies", 73, 22, 0, 180, 0, 180, 32},
    {"lm2002_highbay_361_vertical_axial_crlf.ies", 361, 1, 0, 180, 0, 0, 11},
    {"lm2002_linear_361x9_more_crlf.ies", 361, 9, 0, 180, 0, 180, 18},
    {"lm2002_roadway_199x38_crlf.ies", 199, 38, 0, 180, 0, 180, 23},
    {"lm2002_roadway_quadrant_more_crlf.ies", 74, 12, 0, 180, 0, 90, 26},
    {"lm2002_spec_example_tilt_include_spaced_version.ies", 5, 3, 0, 90, 0, 90, 19},
    {"lm2002_synthetic_tilt_include_axial.ies", 5, 1, 0, 90, 0, 0, 7},
    {"lm2002_tab_separated_candela.ies", 37, 73, 0, 90, 0, 180, 9, 21},
    {"lm2002_tab_separated_parallel_beam.ies", 19, 7, 0, 90, 0, 90, 9, 15},
    {"lm2002_typeb_flood_45x45_full_crlf.ies", 45, 45, -90, 90, -90, 90, 8},
    {"lm2002_typeb_flood_quadrant_crlf.ies", 45, 23, -90, 90, 0, 90, 28},
    {"lm2002_typeb_full_73x73.ies", 73, 73, -90, 90, -90, 90, 27},
    {"lm2019_example_profile.ies", 10, 1, 0, 90, 0, 0, 6},
};

INSTANTIATE_TEST_SUITE_P(Manifest, SoundSampleLoads, ::testing::ValuesIn(kSoundSamples));

// --- Broken files: the reader's message names the line at fault -------------------------------

struct BrokenSample {
    const char* file;
    const char* message;
    std::size_t headerLines;

    friend void PrintTo(const BrokenSample& s, std::ostream* os) { *os << s.file; }
};

class BrokenSampleLoads : public ::testing::TestWithParam<BrokenSample> {};

TEST_P(BrokenSampleLoads, WithOneMessageAndConsistentLists) {
    const BrokenSample& s = GetParam();
    Loaded loaded(s.file);
    EXPECT_EQ(loaded.recorder.messages, (std::vector<std::string>{s.message}));
    EXPECT_TRUE(loaded.parseError);
    EXPECT_EQ(loaded.headerLines.size(), s.headerLines);
    const tIES& r = loaded.record;
    EXPECT_EQ(r.VerticalAngles.size(), r.VerticalCount);
    EXPECT_EQ(r.HorizontalAngles.size(), r.HorizontalCount);
    ASSERT_EQ(r.Candela.size(), r.HorizontalCount);
    for (const auto& plane : r.Candela)
        EXPECT_EQ(plane.size(), r.VerticalCount);
}

const BrokenSample kBrokenSamples[] = {
    // One line of text and no TILT line: the first word fails on line 1.
    {"broken_gibberish_no_tilt.ies", "Error!\r\rLine 1", 0},
    // "file format error" stands where the leading numbers belong.
    {"lm1991_file_format_error_crlf.ies", "Error!\r\rLine 3", 2},
    // "// # of tilt angles" follows the tilt count on line 21.
    {"lm1995_annotated_tilt_include_comments.ies", "Error!\r\rLine 21", 19},
    // Cut after four of the thirteen numbers; line 25 is the file's last (empty) line.
    {"lm1995_truncated_in_tilt_include.ies", "Error!\r\rLine 25", 19},
};

INSTANTIATE_TEST_SUITE_P(Manifest, BrokenSampleLoads, ::testing::ValuesIn(kBrokenSamples));

// --- Every file of the folder is in one of the tables ------------------------------------------

TEST(Samples, EveryFileHasAnExpectation) {
    std::set<std::string> known;
    for (const auto& s : kSoundSamples)
        known.insert(s.file);
    for (const auto& s : kBrokenSamples)
        known.insert(s.file);
    std::size_t files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(test::SamplesFolder())) {
        const std::string name = entry.path().filename().string();
        if (name == "MANIFEST.md")
            continue;
        ++files;
        EXPECT_TRUE(known.count(name)) << name << " has no row in the sample tables";
    }
    EXPECT_EQ(files, known.size()) << "a row names a file that is missing";
}

// --- TILT=INCLUDE samples: the tilt block is skipped, so nothing is shifted ---------------------

TEST(Samples, TiltIncludeExampleValuesLandInPlace) {
    Loaded loaded("lm1995_spec_example_tilt_include_crlf.ies");
    const tIES& r = loaded.record;
    EXPECT_EQ(r.LampLumens, 50000);
    EXPECT_EQ(r.CandelaMultiplier, 1);
    EXPECT_EQ(r.UnitsType, 1);
    EXPECT_EQ(r.VerticalAngles, (tArrEx{0, 22.5L, 45, 67.5L, 90}));
    EXPECT_EQ(r.HorizontalAngles, (tArrEx{0, 45, 90}));
    EXPECT_EQ(r.Candela[0], (tArrEx{10000, 50000, 25000, 10000, 5000}));
    EXPECT_EQ(r.Candela[2], (tArrEx{10000, 20000, 10000, 5000, 1000}));
}

TEST(Samples, SyntheticTiltIncludeWithTiltTextInAKeyword) {
    Loaded loaded("lm2002_synthetic_tilt_include_axial.ies");
    EXPECT_EQ(loaded.headerLines.back(), "TILT=INCLUDE");
    EXPECT_EQ(loaded.record.UnitsType, 2);
    EXPECT_EQ(loaded.record.Candela[0], (tArrEx{1000, 900, 700, 400, 100}));
}

} // namespace
} // namespace lumetra
