// Whether a loaded file's figures are results, and naming a file that holds the other format.

#include "eulumdat/ReadingVerdict.h"

#include "LdtText.h"
#include "data/FileReading.h"
#include "eulumdat/OtherFormat.h"
#include "support/Samples.h"

#include <gtest/gtest.h>

namespace lumetra {
namespace {

std::string SampleBytes(const std::string& path) {
    FileReader reader;
    EXPECT_EQ(reader.Read(path), FileRead::Whole) << path;
    return std::string(reader.bytes());
}

const std::string kIesSample = test::SamplePath("lm2002_tab_separated_candela.ies");
const std::string kLdtSample = test::LdtSamplePath("ldt_isym1_19_batwing.ldt");

TEST(OtherFormat, ContentOfTheOtherFormatIsNamedWhateverTheName) {
    const std::string ies = SampleBytes(kIesSample);
    const std::string ldt = SampleBytes(kLdtSample);
    const std::string old = "Maker\nLamp\nTILT=NONE\n1 1000 1 1 1 1 1 0 0 0\n1 1 10\n0\n0\n5\n";
    const struct {
        const char* name;
        const std::string* bytes;
        const char* note; // nullptr: none
    } rows[] = {
        {"a.ies", &ies, nullptr},
        {"a.ldt", &ldt, nullptr},
        {"a.ies", &ldt, "The file holds EULUMDAT data although its name does not end in .ldt"},
        {"A.IES", &ldt, "The file holds EULUMDAT data although its name does not end in .ldt"},
        {"a.ldt", &ies, "The file holds IES (LM-63) text although its name ends in .ldt"},
        {"a.LDT", &old, "The file holds IES (LM-63) text although its name ends in .ldt"},
        {"a.ies", &old, nullptr},
    };
    for (const auto& row : rows) {
        const auto note = OtherFormatNoteOfBytes(row.name, *row.bytes);
        EXPECT_EQ(note ? note->English() : "none", row.note ? row.note : "none") << row.name;
    }
}

TEST(OtherFormat, EulumdatLayoutNeedsItsNumbersInPlace) {
    TextLines lines = test::LdtLines(1);
    EXPECT_TRUE(HasEulumdatLayout(lines));
    for (const std::size_t at : {1u, 2u, 3u, 6u}) {
        TextLines changed = lines;
        changed[at] = "Downlight";
        EXPECT_FALSE(HasEulumdatLayout(changed)) << at;
    }
    lines[1] = "7"; // no such type
    EXPECT_FALSE(HasEulumdatLayout(lines));
    EXPECT_FALSE(HasEulumdatLayout({"1", "2", "3"}));
}

TEST(ReadingVerdict, ReaderMessageOnOneLine) {
    EXPECT_EQ(OneLine("Error!\r\rLine 21"), "Error! Line 21");
    EXPECT_EQ(OneLine("\r\nA\n\nB\r"), "A B");
    EXPECT_EQ(OneLine(""), "");
}

TEST(ReadingVerdict, AFlaggedFileIsNotSignificantWithTheReadersLineAndChecksFinding) {
    const std::string bytes = SampleBytes(kIesSample);
    const ReadingVerdict verdict =
        JudgeReading(kIesSample, true, Message::Verbatim("Error!\r\rLine 21"), bytes);
    EXPECT_FALSE(verdict.complete);
    const std::vector<std::string> lines = EnglishVerdictLines(verdict);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], "not significant: the file did not read completely");
    EXPECT_EQ(lines[1], "Error! Line 21");
    EXPECT_EQ(lines[2].rfind("Line 21: error: Token '174.408695", 0), 0u) << lines[2];
}

TEST(ReadingVerdict, ACompleteFileKeepsItsFiguresAndTheOtherFormatIsNamed) {
    EXPECT_TRUE(VerdictLines(JudgeReading("a.ies", false, Message(), "")).empty());
    const ReadingVerdict renamed =
        JudgeReading("batwing.ies", true, Message(), SampleBytes(kLdtSample));
    const std::vector<std::string> lines = EnglishVerdictLines(renamed);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[1].rfind("Line 1: error: No TILT line", 0), 0u) << lines[1];
    EXPECT_EQ(lines[2], "The file holds EULUMDAT data although its name does not end in .ldt");
}

TEST(ReadingVerdict, LoadingIesTextNamedLdtSaysSo) {
    test::TempFolder folder;
    const std::string renamed = (folder.path() / "wall.ldt").string();
    const std::string bytes = SampleBytes(kIesSample);
    std::FILE* out = std::fopen(renamed.c_str(), "wb");
    ASSERT_NE(out, nullptr);
    std::fwrite(bytes.data(), 1, bytes.size(), out);
    std::fclose(out);
    tIES record;
    TextLines fileLines, headerLines;
    LuminaireFacts facts;
    try {
        LoadPhotometryFile(renamed, record, fileLines, headerLines, nullptr, facts);
        ADD_FAILURE() << "loaded";
    } catch (const LumetraError& error) {
        const std::string text = error.what();
        EXPECT_NE(text.find(" of the EULUMDAT file: "), std::string::npos) << text;
        EXPECT_NE(text.find(". The file holds IES (LM-63) text although its name ends in .ldt"),
                  std::string::npos)
            << text;
    }
}

} // namespace
} // namespace lumetra
