// Loading by file name: the extension alone picks the format, and IES files load exactly as
// LoadPhotometry loads them.

#include "LdtText.h"
#include "data/Loading.h"

#include <gtest/gtest.h>

namespace lumetra {
namespace {

struct NamedFile {
    const char* name;
    bool eulumdat;
};

const NamedFile kNames[] = {
    {"a.ldt", true}, {"/x/B.LDT", true},   {"c.Ldt", true},   {".ldt", true}, {"a.ies", false},
    {"ldt", false},  {"a.ldt.ies", false}, {"a.ldtx", false}, {"", false},    {"a_ldt", false},
};

TEST(PhotometryFile, TheExtensionPicksTheFormat) {
    for (const auto& file : kNames) {
        EXPECT_EQ(IsEulumdatFileName(file.name), file.eulumdat) << file.name;
    }
}

TEST(PhotometryFile, UpperCaseExtensionIsReadAsEulumdat) {
    const auto load = test::LoadLdtText(test::JoinLdt(test::LdtLines(1)), "LAMP.LDT");
    ASSERT_FALSE(load.error) << *load.error;
    EXPECT_EQ(load.record.HorizontalAngles, (tArrEx{0}));
}

TEST(PhotometryFile, IesFilesLoadAsLoadPhotometryLoadsThem) {
    const std::string ies = "IESNA:LM-63-2002\n[TEST] 7\nTILT=NONE\n"
                            "3 1000 2 3 2 1 1 0 0 0 1 1 100\n0 45 90\n0 90\n10 20 x\n40 50 60\n";
    test::TempFolder folder;
    const std::string name = folder.Write("a.ies", ies);
    tIES expected, actual;
    TextLines expectedLines, expectedHeader, lines, header;
    test::MessageRecorder expectedMessages, messages;
    LuminaireFacts expectedFacts, facts;
    facts.StatedLampFlux = 5;
    const bool expectedFlag = LoadPhotometry(name, expected, expectedLines, expectedHeader,
                                             expectedMessages.notifier(), expectedFacts);
    EXPECT_EQ(LoadPhotometryFile(name, actual, lines, header, messages.notifier(), facts),
              expectedFlag);
    EXPECT_TRUE(expectedFlag) << "the x is a bad number";
    EXPECT_EQ(actual.Candela, expected.Candela);
    EXPECT_EQ(actual.CandelaMultiplier, 2);
    EXPECT_EQ(lines, expectedLines);
    EXPECT_EQ(header, expectedHeader);
    EXPECT_EQ(messages.messages, expectedMessages.messages);
    EXPECT_EQ(facts.NumberOfLamps, 3);
    EXPECT_FALSE(facts.StatedLampFlux) << "an IES file states no figures";
}

} // namespace
} // namespace lumetra
