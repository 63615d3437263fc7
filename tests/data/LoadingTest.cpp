#include "data/Loading.h"

#include "data/Errors.h"
#include "data/ProgramData.h"
#include "support/LoadOutcome.h"
#include "support/TempFolder.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>

namespace lumetra {
namespace {

using namespace std::string_literals;
using test::MessageRecorder;
using test::TempFolder;

const std::string kFile = "IESNA:LM-63-2002\n[TEST] 7\n[MANUFAC] Maker\nTILT=NONE\n"
                          "1 1000 1 3 2 1 1 0 0 0 1 1 100\n0 45 90\n0 90\n10 20 30\n40 50 60\n";

std::string WithLineBreak(std::string text, const std::string& lineBreak) {
    std::string out;
    for (const char c : text)
        out += c == '\n' ? lineBreak : std::string(1, c);
    return out;
}

struct Loaded {
    tIES record;
    TextLines fileLines;
    TextLines headerLines;
    MessageRecorder recorder;
    bool parseError = false;

    void Load(const std::string& fileName) {
        parseError = LoadPhotometry(fileName, record, fileLines, headerLines, recorder.notifier());
    }
};

// Loads a file, then a second one, and returns the error text of the second load.
std::string FailedLoadText(Loaded& loaded, const std::string& fileName) {
    try {
        loaded.Load(fileName);
    } catch (const LumetraError& error) {
        return error.what();
    }
    ADD_FAILURE() << fileName << " loaded";
    return {};
}

// --- Line breaks in files ---------------------------------------------------------------------

TEST(LoadLineBreaks, CrLfAndCrLfFilesLoadAlike) {
    TempFolder folder;
    for (const std::string lineBreak : {"\n", "\r\n", "\r"}) {
        Loaded loaded;
        loaded.Load(folder.Write("grid.ies", WithLineBreak(kFile, lineBreak)));
        EXPECT_FALSE(loaded.parseError);
        EXPECT_TRUE(loaded.recorder.messages.empty());
        EXPECT_EQ(loaded.headerLines,
                  (TextLines{"IESNA:LM-63-2002", "[TEST] 7", "[MANUFAC] Maker", "TILT=NONE"}));
        EXPECT_EQ(loaded.record.Candela, (std::vector<tArrEx>{{10, 20, 30}, {40, 50, 60}}));
        EXPECT_EQ(loaded.fileLines.size(), 1u) << "the numeric text is the one line left";
    }
}

TEST(LoadLineBreaks, NulEndsTheFile) {
    TempFolder folder;
    Loaded loaded;
    loaded.Load(folder.Write("nul.ies", kFile + "\0 99 99 99\n[LAMP] hidden\n"s));
    EXPECT_FALSE(loaded.parseError) << "nothing after the NUL is read";

    Loaded cut;
    const std::string early = "IESNA\nTILT=NONE\n1 1000 1 3 2 1 1 0 0 0 1 1 100\n0 45\0 90\n"s;
    cut.Load(folder.Write("cut.ies", early));
    EXPECT_TRUE(cut.parseError);
    EXPECT_TRUE(cut.recorder.messages.empty());
    EXPECT_EQ(cut.record.VerticalAngles, (tArrEx{0, 45, 0}));
}

TEST(LoadLineBreaks, CtrlZAfterTheLastValueIsAnIgnoredExtraToken) {
    TempFolder folder;
    Loaded loaded;
    loaded.Load(folder.Write("eof.ies", WithLineBreak(kFile, "\r\n") + "\x1a"));
    EXPECT_FALSE(loaded.parseError);
    EXPECT_EQ(loaded.record.Candela[1], (tArrEx{40, 50, 60}));
}

// --- A file that cannot be opened -------------------------------------------------------------

TEST(Unopenable, MissingFileGivesTheExactErrorAfterEmptyingTheCandelaTable) {
    TempFolder folder;
    Loaded loaded;
    loaded.Load(folder.Write("good.ies", kFile));
    const std::string missing = (folder.path() / "missing.ies").string();
    EXPECT_EQ(FailedLoadText(loaded, missing), "Cannot open file " + missing);
    EXPECT_TRUE(loaded.record.Candela.empty());
    EXPECT_EQ(loaded.record.VerticalCount, 3) << "the rest of the record keeps what it held";
    EXPECT_EQ(loaded.record.VerticalAngles, (tArrEx{0, 45, 90}));
    EXPECT_EQ(loaded.headerLines.size(), 4u);
}

TEST(Unopenable, FolderIsNoFile) {
    TempFolder folder;
    Loaded loaded;
    const std::string name = folder.path().string();
    EXPECT_EQ(FailedLoadText(loaded, name), "Cannot open file " + name);
}

TEST(Unopenable, PipeIsRefusedWithoutWaitingForAWriter) {
    TempFolder folder;
    const std::string name = (folder.path() / "pipe.ies").string();
    ASSERT_EQ(mkfifo(name.c_str(), 0600), 0);
    Loaded loaded;
    EXPECT_EQ(FailedLoadText(loaded, name), "Cannot open file " + name);
}

TEST(Unopenable, TooLargeFileIsRefusedBeforeItIsRead) {
    TempFolder folder;
    const std::string name = folder.Write("huge.ies", kFile);
    std::filesystem::resize_file(name, kMaxFileBytes + 1); // sparse: nothing is written
    Loaded loaded;
    const std::string text = FailedLoadText(loaded, name);
    EXPECT_NE(text.find("too large"), std::string::npos) << text;
    EXPECT_NE(text.find(name), std::string::npos) << text;
}

TEST(Unopenable, FileOfNothingButLineBreaksIsRefused) {
    TempFolder folder;
    const std::string name = folder.Write("breaks.ies", std::string(kMaxFileLines + 1, '\n'));
    Loaded loaded;
    const std::string text = FailedLoadText(loaded, name);
    EXPECT_NE(text.find("too many lines"), std::string::npos) << text;
    EXPECT_TRUE(loaded.fileLines.empty());
}

// --- Nothing after the TILT line --------------------------------------------------------------

TEST(LoadNothingAfterTilt, FailsAndKeepsThePreviousNumbers) {
    TempFolder folder;
    Loaded loaded;
    loaded.Load(folder.Write("good.ies", kFile));
    const std::string name =
        folder.Write("header-only.ies", "IESNA91\r\n[TEST] X\r\nTILT=NONE\r\n");
    EXPECT_EQ(FailedLoadText(loaded, name), "List index out of bounds (0)");
    EXPECT_TRUE(loaded.record.Candela.empty());
    EXPECT_TRUE(loaded.fileLines.empty());
    EXPECT_EQ(loaded.headerLines, (TextLines{"IESNA91", "[TEST] X", "TILT=NONE"}));
    EXPECT_EQ(loaded.record.LampLumens, 1000);
    EXPECT_EQ(loaded.record.HorizontalAngles, (tArrEx{0, 90}));
}

TEST(LoadNothingAfterTilt, EmptyFileFails) {
    TempFolder folder;
    Loaded loaded;
    EXPECT_EQ(FailedLoadText(loaded, folder.Write("empty.ies", "")),
              "List index out of bounds (0)");
}

// --- Description texts ------------------------------------------------------------------------

TEST(Description, WithoutKeywordsOnlyTheCaptions) {
    const std::string captions =
        "Test: \rManufacturer: \r\rLuminaire catalog: \rLamp:\rLamp catalog: \r";
    EXPECT_EQ(BuildDescription(HeaderText({"IESNA91", "TILT=NONE"})), captions);
    EXPECT_EQ(BuildDescription(""), captions);
    EXPECT_EQ(BuildDescription(HeaderText({})), captions);
}

TEST(Description, ValuesKeepTheBlankAfterTheKeyword) {
    const TextLines header = {"IESNA:LM-63-1995",       "[TEST] 12345",    "[MANUFAC] Maker",
                              "[LUMINAIRE] Flood 400W", "[LUMCAT] FL-400", "[LAMPCAT] MH-400",
                              "[LAMP] Metal halide",    "TILT=NONE"};
    EXPECT_EQ(BuildDescription(HeaderText(header)),
              "Test:  12345\rManufacturer:  Maker\r Flood 400W\rLuminaire catalog:  FL-400\r"
              "Lamp: Metal halide\rLamp catalog:  MH-400\r");
}

TEST(Description, LowerCaseKeywordsGiveEmptyValues) {
    EXPECT_EQ(BuildDescription(HeaderText({"[test] 1", "[lamp] L", "TILT=NONE"})),
              "Test: \rManufacturer: \r\rLuminaire catalog: \rLamp:\rLamp catalog: \r");
}

TEST(Description, EmptyLuminaireLeavesAnEmptyThirdLine) {
    EXPECT_EQ(BuildDescription(HeaderText({"[LUMINAIRE]", "[LAMP]Bulb"})),
              "Test: \rManufacturer: \r\rLuminaire catalog: \rLamp:Bulb\rLamp catalog: \r");
}

TEST(Description, HeaderTextEndsEveryLineWithCrLf) {
    EXPECT_EQ(HeaderText({"a", "TILT=NONE"}), "a\r\nTILT=NONE\r\n");
}

} // namespace
} // namespace lumetra
