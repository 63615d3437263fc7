// The EULUMDAT files of the broken-file corpus (tests/data/broken/*.ldt): each one ends its load
// in an error naming the file line at fault, after a good file was loaded into the same record,
// which then holds no candela value but keeps the rest of the good file.

#include "LdtText.h"
#include "data/broken/BrokenFiles.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <set>

namespace lumetra {
namespace {

struct BrokenLdt {
    const char* file;
    std::size_t line;
    const char* error; // after "Line N of the EULUMDAT file: "
};

const BrokenLdt kBroken[] = {
    {"ldt_empty.ldt", 1, "the file ends where the company identification should be"},
    {"ldt_isym_5.ldt", 3,
     "the symmetry indicator Isym must be a whole number from 0 to 4, not \"5\""},
    {"ldt_isym_empty.ldt", 3, "the symmetry indicator Isym is empty"},
    {"ldt_mc_zero.ldt", 4,
     "the number of C-planes Mc must be a whole number from 1 to 65535, not \"0\""},
    {"ldt_ng_1e30.ldt", 6,
     "the number of intensities per C-plane Ng must be a whole number from 1 to 65535, not "
     "\"1e30\""},
    {"ldt_grid_too_large.ldt", 6,
     "the file declares 4294836225 luminous intensities, more than the viewer supports (4194304)"},
    {"ldt_lamp_sets_100000.ldt", 26,
     "the number of lamp sets n must be a whole number from 1 to 65535, not \"100000\""},
    {"ldt_ends_in_sizes.ldt", 21, "the file ends where the height of the luminous area should be"},
    {"ldt_factor_not_a_number.ldt", 24,
     "the conversion factor for intensities is not a number: \"one\""},
    {"ldt_flux_not_a_number.ldt", 29,
     "the total luminous flux of the lamps is not a number: \"2OOO\""},
    {"ldt_too_few_intensities.ldt", 67,
     "the file ends after 13 of the 15 luminous intensities that symmetry 2 needs (5 planes of 3)"},
    {"ldt_intensity_not_a_number.ldt", 60, "the luminous intensity is not a number: \"1.2.3\""},
    {"ldt_intensity_overflow.ldt", 60,
     "the intensity in cd is too large (Floating point overflow)"},
};

class BrokenLdtFile : public ::testing::TestWithParam<BrokenLdt> {};

TEST_P(BrokenLdtFile, FailsNamingItsLineAndLeavesTheRecordWithoutCandela) {
    test::TempFolder folder;
    tIES record;
    TextLines fileLines, headerLines;
    LuminaireFacts facts;
    const std::string good = folder.Write("good.ldt", test::JoinLdt(test::LdtLines(4)));
    LoadPhotometryFile(good, record, fileLines, headerLines, nullptr, facts);
    const TextLines goodHeader = headerLines;
    try {
        LoadPhotometryFile(test::BrokenFile(GetParam().file), record, fileLines, headerLines,
                           nullptr, facts);
        FAIL() << "the load should fail";
    } catch (const LumetraError& error) {
        EXPECT_EQ(error.what(), "Line " + std::to_string(GetParam().line) +
                                    " of the EULUMDAT file: " + GetParam().error);
    }
    EXPECT_TRUE(record.Candela.empty());
    EXPECT_EQ(record.HorizontalAngles, (tArrEx{0, 45, 90})) << "the good file's angles stay";
    EXPECT_EQ(headerLines, goodHeader);
    EXPECT_EQ(facts.StatedLampFlux, 2000);
}

INSTANTIATE_TEST_SUITE_P(BrokenFiles, BrokenLdtFile, ::testing::ValuesIn(kBroken),
                         [](const auto& test) {
                             const std::string name = test.param.file;
                             return name.substr(0, name.find('.'));
                         });

TEST(BrokenLdtFiles, EveryLdtFileOfTheCorpusHasAnExpectation) {
    std::set<std::string> expected, present;
    for (const auto& b : kBroken)
        expected.insert(b.file);
    for (const auto& entry : std::filesystem::directory_iterator(test::BrokenFile("")))
        if (entry.path().extension() == ".ldt")
            present.insert(entry.path().filename().string());
    EXPECT_EQ(present, expected);
}

} // namespace
} // namespace lumetra
