// The rules of the written text: IES lines and keywords, the EULUMDAT mapping's figures, scaling,
// the lenient reading and where files go.

#include "data/Loading.h"
#include "data/TextLines.h"
#include "eulumdat/PhotometryFile.h"
#include "summary/PhotometricSummary.h"
#include "support/Samples.h"
#include "support/TempFolder.h"
#include "writing/Writing.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace lumetra::writing {
namespace {

using test::LdtSamplePath;
using test::SamplePath;

namespace fs = std::filesystem;

IesDocument SmallDocument() {
    IesDocument document;
    document.KeywordLines = {"[MANUFAC] Maker", "[LUMINAIRE] Lamp"};
    document.VerticalAngles = {0, 45, 90};
    document.HorizontalAngles = {0};
    document.Candela = {{100, 50, 0}};
    return document;
}

TEST(WriteIes, AddsTheRequiredKeywordsItLacksAtTheTopInOrder) {
    const TextLines lines = SplitIntoLines(WriteIes(SmallDocument(), IesVersion::Lm63_2002));
    const TextLines expected = {"IESNA:LM-63-2002",
                                "[TEST]",
                                "[TESTLAB]",
                                "[ISSUEDATE]",
                                "[MANUFAC] Maker",
                                "[LUMINAIRE] Lamp",
                                "TILT=NONE",
                                "1 -1 1 3 1 1 2 0 0 0",
                                "1 1 0",
                                "0 45 90",
                                "0",
                                "100 50 0"};
    EXPECT_EQ(lines, expected);
}

TEST(WriteIes, TenNumbersALineAndEveryLineEndedByCrLf) {
    IesDocument document = SmallDocument();
    document.VerticalAngles.clear();
    document.Candela[0].clear();
    for (int v = 0; v <= 24; ++v) {
        document.VerticalAngles.push_back(v * 7.5L);
        document.Candela[0].push_back(1000 - v);
    }
    const std::string text = WriteIes(document, IesVersion::Lm63_2019);
    const TextLines lines = SplitIntoLines(text);
    EXPECT_EQ(lines[0], "IES:LM-63-2019");
    EXPECT_EQ(lines[9], "0 7.5 15 22.5 30 37.5 45 52.5 60 67.5");
    EXPECT_EQ(lines[12], "0"); // the horizontal angles start a line of their own
    EXPECT_EQ(lines[13], "1000 999 998 997 996 995 994 993 992 991");
    EXPECT_EQ(CountByte(text, '\n'), CountByte(text, '\r'));
    EXPECT_EQ(CountByte(text, '\n'), lines.size());
}

TEST(WriteIes, A2002KeywordLongerThanALineGoesOnAsMoreLines) {
    IesDocument document = SmallDocument();
    std::string value;
    for (int word = 0; word < 60; ++word)
        value += "word" + std::to_string(word) + " ";
    document.KeywordLines = {"[OTHER] " + value};
    const TextLines lines = SplitIntoLines(WriteIes(document, IesVersion::Lm63_2002));
    ASSERT_EQ(lines[5].rfind("[OTHER] word0 ", 0), 0u);
    EXPECT_LE(lines[5].size(), 254u);
    EXPECT_EQ(lines[6].rfind("[MORE] word", 0), 0u);
    EXPECT_NE(lines[5].back(), ' '); // no blank at the cut
    const TextLines unlimited = SplitIntoLines(WriteIes(document, IesVersion::Lm63_2019));
    EXPECT_EQ(unlimited[5], "[OTHER] " + value);
}

TEST(WriteIes, TiltBlocksAndFileNamesByVersion) {
    IesDocument document = SmallDocument();
    document.Tilt = "include";
    document.TiltValues = {1, 3, 0, 45, 90, 1, 0.75, 0.5};
    const TextLines lines = SplitIntoLines(WriteIes(document, IesVersion::Lm63_2002));
    const TextLines tilt(lines.begin() + 6, lines.begin() + 11);
    EXPECT_EQ(tilt, (TextLines{"TILT=INCLUDE", "1", "3", "0 45 90", "1 0.75 0.5"}));
    document.Tilt = "lamp.tlt";
    EXPECT_NE(WriteIes(document, IesVersion::Lm63_2002).find("TILT=lamp.tlt\r\n"),
              std::string::npos);
    EXPECT_THROW(WriteIes(document, IesVersion::Lm63_2019), LumetraError);
}

TEST(WriteAs, IesToIesKeepsEveryKeywordLineInOrderAndLabelsBecomeOther) {
    const SourceFile source =
        ReadSourceFile(SamplePath("lm1986_fluorescent_quadrant_crlf.ies"), Reading::Strict);
    const TextLines lines =
        SplitIntoLines(WriteAs(source, TargetFormat::Ies2002, {}, "x.ies").Bytes);
    EXPECT_EQ(lines[1], "[TEST]");
    EXPECT_EQ(lines[5].rfind("[OTHER] REPORT NUMBER: ITL36346", 0), 0u);
}

TEST(WriteAs, IesToEulumdatStatesTheSummarysRatiosAndTheTargetsName) {
    const SourceFile source =
        ReadSourceFile(SamplePath("lm1995_bilateral_90_270.ies"), Reading::Strict);
    const TextLines lines =
        SplitIntoLines(WriteAs(source, TargetFormat::Eulumdat, {}, "/some/folder/out.ldt").Bytes);
    EXPECT_EQ(lines[2], "3"); // Isym from 90..270 symmetric about 180
    EXPECT_EQ(lines[10], "out.ldt");
    EXPECT_EQ(lines[23], "1"); // conversion factor
    EXPECT_EQ(lines[25], "1"); // one lamp set
    const std::size_t mc = std::stoul(lines[3]);
    const std::size_t ng = std::stoul(lines[5]);
    EXPECT_EQ(lines.size(), 26 + 6 + 10 + mc + ng + (mc / 2 + 1) * ng);
}

// The header text an IES file's EULUMDAT copy cannot hold is named in a note, never dropped
// silently; text that fits gives no note.
TEST(WriteAs, IesToEulumdatNamesTheHeaderTextItCutsOrLeavesOut) {
    const std::string longText(90, 'x');
    const struct {
        const char* name;
        std::string header;
        std::vector<std::string> notes;
    } cases[] = {
        {"everything fits", "[TEST] T\n[TESTLAB]\n[MANUFAC] M\n[LUMINAIRE] L\n[LAMP] LED\n", {}},
        {"a luminaire name over 78 characters",
         "[LUMINAIRE] " + longText + "\n",
         {"EULUMDAT text lines hold 78 characters (lamp types 40) and no continuation lines: "
          "[LUMINAIRE] cut"}},
        {"continuation lines and a long lamp",
         "[LUMINAIRE] L\n[MORE] second line\n[LAMP] " + longText.substr(0, 41) + "\n",
         {"EULUMDAT text lines hold 78 characters (lamp types 40) and no continuation lines: "
          "[LUMINAIRE], [LAMP] cut"}},
        {"keywords without a line, and a mapped one given twice",
         "[TEST] T\n[TESTLAB] Lab\n[_ABSOLUTELUMENS] 9217\n[TEST] again\n[_EMPTY]\n",
         {"EULUMDAT has no line for [TESTLAB], [_ABSOLUTELUMENS], [TEST]: left out"}},
    };
    const test::TempFolder folder;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string file = folder.Write(
            "in.ies", "IESNA:LM-63-2002\n" + c.header +
                          "TILT=NONE\n1 1000 1 3 1 1 2 0 0 0\n1 1 10\n0 45 90\n0\n100 50 0\n");
        const Written written =
            WriteAs(ReadSourceFile(file, Reading::Strict), TargetFormat::Eulumdat, {}, "x.ldt");
        EXPECT_EQ(written.Notes, c.notes);
    }
}

TEST(WriteAs, EulumdatToIesKeepsWhatIesHasNoFieldForInKeywordsOfItsOwn) {
    const struct {
        const char* file;
        std::vector<std::string> present;
        std::vector<std::string> absent; // keywords, as a line starts
    } cases[] = {
        {"ldt_isym1_37_three_lamp_sets.ldt",
         {"[LAMP] Single Lamp", "[_LUMINAIRESIZE] 120 0 120 mm", "[_LDT_COLOUR] 3000 / 100",
          "[_LDT_LAMPSET] 2; Double Lamp; 1200; 3000; 100; 30",
          "[_LDT_LAMPSET] 1; Single Alternative Lamp; 500; 5000; 90; 15"},
         {"[_LDT_TILT]", "[_LUMINOUSHEIGHTS]"}}, // a tilt written "0.0" is no tilt
        {"ldt_isym3_72x91_street_empty_direct_ratios.ldt", {}, {"[_LDT_TILT]"}}, // " 0"
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        const TextLines lines =
            SplitIntoLines(WriteAs(ReadSourceFile(LdtSamplePath(c.file), Reading::Strict),
                                   TargetFormat::Ies2002, {}, "x.ies")
                               .Bytes);
        for (const std::string& line : c.present)
            EXPECT_NE(std::find(lines.begin(), lines.end(), line), lines.end()) << line;
        for (const std::string& keyword : c.absent)
            EXPECT_EQ(
                std::find_if(lines.begin(), lines.end(),
                             [&](const std::string& line) { return line.rfind(keyword, 0) == 0; }),
                lines.end())
                << keyword;
    }
}

TEST(WriteAs, TypeBCannotBecomeEulumdat) {
    const SourceFile source =
        ReadSourceFile(SamplePath("lm2002_typeb_flood_quadrant_crlf.ies"), Reading::Strict);
    EXPECT_THROW(WriteAs(source, TargetFormat::Eulumdat, {}, "x.ldt"), LumetraError);
    Adjustment turn;
    turn.Rotate = 90;
    EXPECT_THROW(WriteAs(source, TargetFormat::Ies2002, turn, "x.ies"), LumetraError);
}

TEST(WriteAs, NumbersTheViewerCannotReadAreRefusedAndTheLenientReadingSuggested) {
    const std::string file = SamplePath("lm2002_tab_separated_candela.ies");
    try {
        WriteAs(ReadSourceFile(file, Reading::Strict), TargetFormat::Ies2002, {}, "x.ies");
        FAIL() << "a file read as zeros was written";
    } catch (const LumetraError& error) {
        EXPECT_NE(std::string(error.what()).find("--lenient"), std::string::npos) << error.what();
    }
    test::TempFolder folder;
    const std::string out = (folder.path() / "clean.ies").string();
    ConvertOptions options;
    options.Read = Reading::Lenient;
    ConvertFile(file, out, options);
    tIES record;
    TextLines lines, header;
    LuminaireFacts facts;
    EXPECT_FALSE(LoadPhotometryFile(out, record, lines, header, nullptr, facts));
    EXPECT_GT(record.Candela[0][0], 0);
}

TEST(Adjust, LumensScaleTheStatedFluxAndTheIntensities) {
    SourceFile source =
        ReadSourceFile(SamplePath("lm1995_half_0_180_both_hemispheres.ies"), Reading::Strict);
    const long double stated = *StatedLampFlux(source);
    Adjustment adjustment;
    adjustment.Lumens = 2 * stated;
    adjustment.Multiply = 3;
    Adjust(source, adjustment);
    EXPECT_EQ(*StatedLampFlux(source), 2 * stated);
    EXPECT_DOUBLE_EQ(static_cast<double>(source.IntensityScale), 6.0);
    EXPECT_EQ(source.Multiply, 3);
}

// A scaled multiplier and a divided lamp flux are computed, not read: the double's shortest
// digits, not twenty digits of a long double.
TEST(WriteAs, ComputedFiguresOfTheIesNumbersLineAreWrittenAsTheNearestDouble) {
    const struct {
        const char* name;
        std::string file;
        std::optional<long double> lumens;
        const char* numbers; // the line after TILT
    } cases[] = {
        {"scaled to 10,000 lm of 33,200", LdtSamplePath("ldt_isym3_52x25_road_uneven_c_planes.ldt"),
         10000, "1 10000 0.30120481927710846 25 27 1 2 -0.472 -0.472 0.14"},
        {"three sets of 2,200 lm scaled to 1,000 lm",
         LdtSamplePath("ldt_isym1_37_three_lamp_sets.ldt"), 1000,
         "4 250 0.45454545454545453 37 1 1 2 0 0 0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Adjustment adjustment;
        adjustment.Lumens = c.lumens;
        const TextLines lines = SplitIntoLines(WriteAs(ReadSourceFile(c.file, Reading::Strict),
                                                       TargetFormat::Ies2002, adjustment, "x.ies")
                                                   .Bytes);
        const auto tilt = std::find(lines.begin(), lines.end(), "TILT=NONE");
        ASSERT_NE(tilt, lines.end());
        EXPECT_EQ(*(tilt + 1), c.numbers);
    }
}

TEST(Adjust, AbsolutePhotometryIsScaledToTheComputedFlux) {
    test::TempFolder folder;
    const std::string file = folder.Write(
        "abs.ies", "IESNA:LM-63-2002\r\nTILT=NONE\r\n1 -1 1 2 1 1 2 0 0 0\r\n1 1 10\r\n0 90\r\n"
                   "0\r\n100 100\r\n");
    SourceFile source = ReadSourceFile(file, Reading::Strict);
    EXPECT_FALSE(StatedLampFlux(source));
    Adjustment adjustment;
    adjustment.Lumens = 1000;
    const Written written =
        WriteAs(ReadSourceFile(file, Reading::Strict), TargetFormat::Ies2002, adjustment, "x.ies");
    const std::string out = folder.Write("out.ies", written.Bytes);
    tIES record;
    TextLines lines, header;
    LuminaireFacts facts;
    LoadPhotometryFile(out, record, lines, header, nullptr, facts);
    EXPECT_EQ(record.LampLumens, -1);
    EXPECT_NEAR(static_cast<double>(*summary::Summarize(record, facts).Flux), 1000, 1e-9);
    for (const auto bad : {0.0L, -5.0L})
        EXPECT_THROW(Adjust(source, Adjustment{bad, 1, 0}), LumetraError);
    EXPECT_THROW(Adjust(source, Adjustment{std::nullopt, 1, 45}), LumetraError);
}

TEST(WriteAs, EulumdatScaledToLumensKeepsItsRelativeValuesAndChangesTheFlux) {
    Adjustment adjustment;
    adjustment.Lumens = 8000;
    const SourceFile source =
        ReadSourceFile(LdtSamplePath("ldt_isym4_24x19_fluorescent_two_lamps.ldt"), Reading::Strict);
    const TextLines before =
        SplitIntoLines(WriteAs(source, TargetFormat::Eulumdat, {}, "a.ldt").Bytes);
    const TextLines after =
        SplitIntoLines(WriteAs(source, TargetFormat::Eulumdat, adjustment, "a.ldt").Bytes);
    ASSERT_EQ(before.size(), after.size());
    for (std::size_t i = 0; i < before.size(); ++i) {
        if (i == 28)
            continue;
        EXPECT_EQ(before[i], after[i]) << "line " << i + 1;
    }
    EXPECT_EQ(after[28], "8000");
}

TEST(WriteFileAtomically, KeepsAnExistingFileUnlessToldToReplaceIt) {
    test::TempFolder folder;
    const std::string file = folder.Write("out.ies", "old");
    EXPECT_THROW(WriteFileAtomically(file, "new", Existing::Keep), WriteError);
    EXPECT_EQ(SplitIntoLines("old"), ReadFileLines(file));
    WriteFileAtomically(file, "new", Existing::Replace);
    EXPECT_EQ(ReadFileLines(file), TextLines{"new"});
    std::size_t entries = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(folder.path()))
        ++entries;
    EXPECT_EQ(entries, 1u) << "a temporary file was left behind";
}

TEST(WriteFileAtomically, AFailureNamesTheFileAndTheReason) {
    try {
        WriteFileAtomically("/nonexistent-folder/out.ldt", "x", Existing::Keep);
        FAIL();
    } catch (const WriteError& error) {
        EXPECT_EQ(std::string(error.what()),
                  "Cannot write /nonexistent-folder/out.ldt: No such file or directory");
    }
}

TEST(ConvertFile, NeverReplacesTheInputAndNeedsAKnownExtension) {
    test::TempFolder folder;
    const std::string input =
        folder.Write("in.ies", "IESNA:LM-63-2002\r\nTILT=NONE\r\n"
                               "1 1000 1 1 1 1 2 0 0 0\r\n1 1 0\r\n0\r\n0\r\n5\r\n");
    ConvertOptions options;
    options.Output = Existing::Replace;
    EXPECT_THROW(ConvertFile(input, input, options), LumetraError);
    EXPECT_THROW(ConvertFile(input, (folder.path() / "out.txt").string(), options), LumetraError);
    EXPECT_EQ(ReadFileLines(input).size(), 7u);
}

} // namespace
} // namespace lumetra::writing
