// The broken-file corpus (tests/data/broken) and the large broken files generated here: each
// loads through LoadPhotometry, as the viewer loads a selected file, and ends in a clear error or
// message, or in a record whose lists every consumer can use, in bounded time and memory.

#include "broken/BrokenFiles.h"

#include "data/GlobalMax.h"
#include "data/IesReader.h"
#include "data/TextLines.h"
#include "support/LoadOutcome.h"
#include "support/TempFolder.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <set>

namespace lumetra {
namespace {

using test::BrokenFile;
using test::LoadFile;
using test::LoadOutcome;
using test::TempFolder;

// Every consumer works from the lengths of the lists: after a load they must match the counts.
void ExpectListsSizedFromTheCounts(const LoadOutcome& loaded) {
    const tIES& r = loaded.record;
    EXPECT_EQ(r.VerticalAngles.size(), r.VerticalCount);
    EXPECT_EQ(r.HorizontalAngles.size(), r.HorizontalCount);
    ASSERT_EQ(r.Candela.size(), r.HorizontalCount);
    for (const auto& plane : r.Candela) {
        ASSERT_EQ(plane.size(), r.VerticalCount);
    }
}

long double GlobalPeak(const tIES& record) {
    long double peak = 0;
    FindGlobalMaxCandela(record, 0, static_cast<int>(record.Candela.size()) - 1, peak);
    return peak;
}

// What one file of the corpus must give.
struct Expected {
    const char* file;
    const char* error;   // the error that ends the load, or null
    const char* message; // the reader's one message, or null
    bool parseError;
    int verticalCount;
    int horizontalCount;
};

void PrintTo(const Expected& e, std::ostream* out) {
    *out << e.file;
}

const Expected kCorpus[] = {
    // Nothing after the TILT line (an empty file has no TILT line and no numbers either).
    {"empty.ies", "List index out of bounds (0)", nullptr, false, 0, 0},
    {"tilt_line_last.ies", "List index out of bounds (0)", nullptr, false, 0, 0},
    // Counts the viewer cannot hold are refused before anything is allocated.
    {"count_65535.ies",
     "The file declares 65535 x 65535 candela values, more than the viewer supports (4194304)",
     nullptr, false, 0, 0},
    {"count_1e30.ies", "The vertical angle count of the file is out of range", nullptr, false, 0,
     0},
    // Text where the numbers should be: one message naming the line, then an empty record.
    {"header_only.ies", nullptr, "Error!\r\rLine 1", true, 0, 0},
    {"binary_bytes.ies", nullptr, "Error!\r\rLine 1", true, 0, 0},
    // Tabs are no separators: the first line of numbers is one bad token and the rest shift up,
    // so the vertical and horizontal counts come from the 45 and 67.5 of the angle line.
    {"tab_separated.ies", nullptr, "Error!\r\rLine 5", true, 45, 68},
    // Too few numbers: the missing ones read as 0 without a message.
    {"nul_bytes.ies", nullptr, nullptr, true, 5, 3},
    {"count_minus_one.ies", nullptr, nullptr, true, 65535, 1},
    {"counts_beyond_numbers.ies", nullptr, nullptr, true, 37, 5},
    // Sound to the reader; the goniogram and render tests take them further.
    {"lone_cr_line_breaks.ies", nullptr, nullptr, false, 5, 3},
    {"duplicate_vertical_angles.ies", nullptr, nullptr, false, 6, 1},
    {"duplicate_vertical_angles_inner.ies", nullptr, nullptr, false, 6, 1},
    {"all_zero_candela.ies", nullptr, nullptr, false, 5, 3},
    {"all_negative_candela.ies", nullptr, nullptr, false, 5, 3},
};

class BrokenCorpus : public ::testing::TestWithParam<Expected> {};

TEST_P(BrokenCorpus, LoadsToItsClearErrorOrMessage) {
    const Expected& expected = GetParam();
    const LoadOutcome loaded = LoadFile(BrokenFile(expected.file));
    if (expected.error != nullptr) {
        ASSERT_TRUE(loaded.error.has_value()) << "the load should fail";
        EXPECT_EQ(*loaded.error, expected.error);
        EXPECT_TRUE(loaded.record.Candela.empty()) << "no candela value is left to index";
    } else {
        ASSERT_FALSE(loaded.error.has_value()) << *loaded.error;
        ExpectListsSizedFromTheCounts(loaded);
        EXPECT_EQ(loaded.record.VerticalCount, expected.verticalCount);
        EXPECT_EQ(loaded.record.HorizontalCount, expected.horizontalCount);
    }
    const std::vector<std::string> messages =
        expected.message ? std::vector<std::string>{expected.message} : std::vector<std::string>{};
    EXPECT_EQ(loaded.messages, messages);
    EXPECT_EQ(loaded.parseError, expected.parseError);
}

INSTANTIATE_TEST_SUITE_P(BrokenFiles, BrokenCorpus, ::testing::ValuesIn(kCorpus),
                         [](const auto& test) {
                             std::string name = test.param.file;
                             name = name.substr(0, name.find('.'));
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

TEST(BrokenFiles, EveryFileOfTheCorpusHasAnExpectation) {
    std::set<std::string> expected;
    for (const auto& e : kCorpus)
        expected.insert(e.file);
    std::set<std::string> present;
    for (const auto& entry : std::filesystem::directory_iterator(BrokenFile("")))
        if (entry.path().extension() == ".ies")
            present.insert(entry.path().filename().string());
    EXPECT_EQ(present, expected);
}

// --- What the partly read files hold ----------------------------------------------------------

TEST(BrokenFiles, NulEndsTheTextInsideTheCandelaValues) {
    const LoadOutcome loaded = LoadFile(BrokenFile("nul_bytes.ies"));
    EXPECT_EQ(loaded.record.VerticalAngles, (tArrEx{0, 22.5L, 45, 67.5L, 90}));
    EXPECT_EQ(loaded.record.Candela[0], (tArrEx{1000, 900, 700, 0, 0}));
    EXPECT_EQ(loaded.record.Candela[2], (tArrEx{0, 0, 0, 0, 0}));
    EXPECT_EQ(loaded.headerLines.size(), 4u);
}

TEST(BrokenFiles, CountOfMinusOneIsTheLargest16BitCount) {
    const LoadOutcome loaded = LoadFile(BrokenFile("count_minus_one.ies"));
    const tArrEx& angles = loaded.record.VerticalAngles;
    ASSERT_EQ(angles.size(), 65535u);
    EXPECT_EQ(tArrEx(angles.begin(), angles.begin() + 8), (tArrEx{0, 45, 90, 0, 100, 80, 20, 0}))
        << "the vertical list takes every number left";
    EXPECT_EQ(loaded.record.HorizontalAngles, (tArrEx{0}));
    EXPECT_EQ(GlobalPeak(loaded.record), 0);
}

TEST(BrokenFiles, MissingPlanesReadAsZero) {
    const LoadOutcome loaded = LoadFile(BrokenFile("counts_beyond_numbers.ies"));
    EXPECT_EQ(loaded.record.Candela[0].front(), 1000);
    EXPECT_EQ(loaded.record.Candela[0].back(), 280);
    for (std::size_t h = 1; h < 5; ++h) {
        EXPECT_EQ(loaded.record.Candela[h], tArrEx(37, 0)) << "plane " << h;
    }
}

TEST(BrokenFiles, LoneCarriageReturnsBreakLinesLikeLineFeeds) {
    const std::string name = BrokenFile("lone_cr_line_breaks.ies");
    std::string withLineFeeds = test::ReadWholeFile(name);
    ASSERT_EQ(withLineFeeds.find('\n'), std::string::npos) << "the file must break with CR alone";
    std::replace(withLineFeeds.begin(), withLineFeeds.end(), '\r', '\n');
    TempFolder folder;
    const LoadOutcome cr = LoadFile(name);
    const LoadOutcome lf = LoadFile(folder.Write("lf.ies", withLineFeeds));
    EXPECT_EQ(cr.headerLines, lf.headerLines);
    EXPECT_EQ(cr.headerLines.size(), 4u);
    EXPECT_EQ(cr.record.VerticalAngles, lf.record.VerticalAngles);
    EXPECT_EQ(cr.record.HorizontalAngles, (tArrEx{0, 90, 180}));
    EXPECT_EQ(cr.record.Candela, lf.record.Candela);
    EXPECT_EQ(cr.record.Candela[2], (tArrEx{600, 500, 300, 200, 25}));
}

TEST(BrokenFiles, DuplicateVerticalAnglesAreKeptAsRead) {
    const LoadOutcome loaded = LoadFile(BrokenFile("duplicate_vertical_angles.ies"));
    EXPECT_EQ(loaded.record.VerticalAngles, (tArrEx{5, 5, 30, 45, 60, 90}));
}

TEST(BrokenFiles, AllZeroAndAllNegativeCandelaGiveTheirPeak) {
    EXPECT_EQ(GlobalPeak(LoadFile(BrokenFile("all_zero_candela.ies")).record), 0);
    EXPECT_EQ(GlobalPeak(LoadFile(BrokenFile("all_negative_candela.ies")).record), -5);
}

// --- Large files, generated into a temporary folder -------------------------------------------

TEST(LargeBrokenFiles, MillionCandelaValuesLandInPlace) {
    TempFolder folder;
    const LoadOutcome loaded = LoadFile(folder.Write("million.ies", test::MillionValuesFile()));
    ASSERT_FALSE(loaded.error.has_value()) << *loaded.error;
    EXPECT_TRUE(loaded.messages.empty());
    EXPECT_FALSE(loaded.parseError);
    ExpectListsSizedFromTheCounts(loaded);
    ASSERT_EQ(loaded.record.Candela.size(), 1000u);
    EXPECT_EQ(loaded.record.VerticalAngles.back(), 180);
    EXPECT_EQ(loaded.record.HorizontalAngles[500], 180);
    for (const int h : {0, 1, 499, 999})
        for (const int v : {0, 1, 500, 999}) {
            EXPECT_EQ(loaded.record.Candela[h][v], (3 * v + 7 * h) % 1000 + 1) << h << ", " << v;
        }
}

TEST(LargeBrokenFiles, TenMegabyteLineOfNumbersReadsItsGridAndIgnoresTheRest) {
    TempFolder folder;
    const LoadOutcome loaded = LoadFile(folder.Write("line.ies", test::TenMegabyteNumberLine()));
    ASSERT_FALSE(loaded.error.has_value()) << *loaded.error;
    EXPECT_TRUE(loaded.messages.empty());
    EXPECT_FALSE(loaded.parseError);
    ExpectListsSizedFromTheCounts(loaded);
    EXPECT_EQ(loaded.record.VerticalCount, 19);
    EXPECT_EQ(loaded.record.HorizontalCount, 5);
    EXPECT_EQ(loaded.record.Candela[4][18], (3 * 18 + 7 * 4) % 1000 + 1);
}

TEST(LargeBrokenFiles, TenMegabyteTokenIsOneBadNumber) {
    TempFolder folder;
    const LoadOutcome loaded = LoadFile(folder.Write("token.ies", test::TenMegabyteToken()));
    ASSERT_FALSE(loaded.error.has_value()) << *loaded.error;
    EXPECT_EQ(loaded.messages, (std::vector<std::string>{"Error!\r\rLine 5"}));
    EXPECT_TRUE(loaded.parseError);
    EXPECT_EQ(loaded.record.VerticalCount, 0);
    EXPECT_TRUE(loaded.record.Candela.empty());
}

TEST(LargeBrokenFiles, TenMegabyteHeaderLineIsDescribedWhole) {
    TempFolder folder;
    const LoadOutcome loaded = LoadFile(folder.Write("header.ies", test::TenMegabyteHeaderLine()));
    ASSERT_FALSE(loaded.error.has_value()) << *loaded.error;
    EXPECT_FALSE(loaded.parseError);
    EXPECT_EQ(loaded.record.Candela.size(), 2u);
    EXPECT_EQ(BuildDescription(HeaderText(loaded.headerLines)),
              "Test:  " + std::string(test::kTenMegabytes, 'x') +
                  "\rManufacturer: \r\rLuminaire catalog: \rLamp:\rLamp catalog: \r");
}

} // namespace
} // namespace lumetra
