#include "data/IesReader.h"

#include "data/Errors.h"
#include "support/LoadOutcome.h"
#include "support/TempFolder.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <string_view>
#include <tuple>

namespace lumetra {
namespace {

using test::LoadOutcome;

// The reader on the file's lines and straight on its text must leave the same behind, or fail
// with the same error; every test below reads both ways.
LoadOutcome ReadText(std::string_view fileText) {
    std::string directError;
    LoadOutcome direct;
    try {
        direct = test::ReadTextDirectly(fileText);
    } catch (const LumetraError& e) {
        directError = e.what();
    }
    try {
        LoadOutcome fromLines = test::ReadText(fileText);
        EXPECT_EQ(directError, "");
        EXPECT_EQ(direct.fileLines, fromLines.fileLines);
        EXPECT_EQ(direct.headerLines, fromLines.headerLines);
        EXPECT_EQ(direct.messages, fromLines.messages);
        EXPECT_EQ(direct.parseError, fromLines.parseError);
        const auto numbers = [](const tIES& r) {
            return std::tie(r.LampLumens, r.CandelaMultiplier, r.VerticalCount, r.HorizontalCount,
                            r.UnitsType);
        };
        EXPECT_EQ(numbers(direct.record), numbers(fromLines.record));
        EXPECT_EQ(direct.record.VerticalAngles, fromLines.record.VerticalAngles);
        EXPECT_EQ(direct.record.HorizontalAngles, fromLines.record.HorizontalAngles);
        EXPECT_EQ(direct.record.Candela, fromLines.record.Candela);
        return fromLines;
    } catch (const LumetraError& e) {
        EXPECT_EQ(directError, e.what());
        throw;
    }
}

// A small sound file: 3 vertical angles x 2 planes. Line 4 holds the 13 leading numbers.
const std::string kHeader = "IESNA:LM-63-2002\n[TEST] 42\nTILT=NONE\n";
const std::string kLeading = "1 1000 2 3 2 1 1 0.5 0.6 0.7 1 1 100\n";
const std::string kGrid = "0 45 90\n0 90\n10 20 30\n40 50 60\n";

std::string Replace(std::string text, char from, char to) {
    std::replace(text.begin(), text.end(), from, to);
    return text;
}

std::string Replace(std::string text, const std::string& from, const std::string& to) {
    for (auto at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

void ExpectSmallGrid(const LoadOutcome& out) {
    const tIES& r = out.record;
    EXPECT_EQ(r.LampLumens, 1000);
    EXPECT_EQ(r.CandelaMultiplier, 2);
    EXPECT_EQ(r.VerticalCount, 3);
    EXPECT_EQ(r.HorizontalCount, 2);
    EXPECT_EQ(r.UnitsType, 1);
    EXPECT_EQ(r.VerticalAngles, (tArrEx{0, 45, 90}));
    EXPECT_EQ(r.HorizontalAngles, (tArrEx{0, 90}));
    EXPECT_EQ(r.Candela, (std::vector<tArrEx>{{10, 20, 30}, {40, 50, 60}}));
}

// --- Separators -------------------------------------------------------------------------------

TEST(Separators, BlanksAndLineBreaksBetweenNumbers) {
    const auto out = ReadText(kHeader + kLeading + kGrid);
    ExpectSmallGrid(out);
    EXPECT_FALSE(out.parseError);
    EXPECT_TRUE(out.messages.empty());
}

TEST(Separators, OneNumberPerLine) {
    const auto out = ReadText(kHeader + Replace(kLeading + kGrid, ' ', '\n'));
    ExpectSmallGrid(out);
    EXPECT_FALSE(out.parseError);
}

TEST(Separators, ManyBlanksAndCommasBetweenNumbers) {
    const auto out = ReadText(kHeader + "  1,1000 ,2,,3   2 1 1 0.5 0.6 0.7 1 1 100,\n" +
                              "0,45,90\n0, 90\n10,20,30,\n40 ,50 ,60\n");
    ExpectSmallGrid(out);
    EXPECT_FALSE(out.parseError);
    EXPECT_TRUE(out.messages.empty());
}

TEST(Separators, CommaInsideANumberSplitsIt) {
    // "0,5" is the two numbers 0 and 5, never one half.
    const auto out = ReadText(kHeader + kLeading + "0 45 90\n0 90\n0,5 20 30\n40 50 60\n");
    EXPECT_EQ(out.record.Candela[0], (tArrEx{0, 5, 20}));
    EXPECT_EQ(out.record.Candela[1], (tArrEx{30, 40, 50}));
    EXPECT_FALSE(out.parseError);
}

TEST(Separators, TabIsNoSeparator) {
    const auto out = ReadText(kHeader + kLeading + "0 45 90\n0 90\n10\t20 30\n40 50 60\n");
    EXPECT_TRUE(out.parseError);
    EXPECT_EQ(out.messages, (std::vector<std::string>{"Error!\r\rLine 7"}));
    EXPECT_EQ(out.record.Candela[0][0], 0) << "\"10<TAB>20\" is one token that fails";
    EXPECT_EQ(out.record.Candela[0][1], 30);
}

TEST(Separators, TabAmongTheLeadingNumbersShowsTheMessage) {
    const auto out = ReadText(kHeader + "1 1000\t2 3 2 1 1 0.5 0.6 0.7 1 1 100\n" + kGrid);
    EXPECT_TRUE(out.parseError);
    EXPECT_EQ(out.messages, (std::vector<std::string>{"Error!\r\rLine 4"}));
}

// --- Rounding of the counts and the units type -----------------------------------------------

struct RoundingCase {
    const char* written;
    std::uint16_t stored;
    friend void PrintTo(const RoundingCase& c, std::ostream* os) { *os << c.written; }
};

// Puts `value` as the number at 1-based position `index` of the 13 leading numbers, with both
// counts 0 unless one of them is the number under test.
std::string LeadingWith(int index, const std::string& value) {
    std::string leading[13] = {"1", "1000", "1", "0", "0", "1", "1", "0", "0", "0", "1", "1", "10"};
    leading[index - 1] = value;
    std::string text;
    for (const auto& number : leading)
        text += number + " ";
    return text + "\n";
}

class CountRounding : public ::testing::TestWithParam<RoundingCase> {};

TEST_P(CountRounding, TiesToEvenThenTheLow16Bits) {
    const auto& c = GetParam();
    const auto vertical = ReadText(kHeader + LeadingWith(4, c.written));
    EXPECT_EQ(vertical.record.VerticalCount, c.stored) << c.written;
    EXPECT_EQ(vertical.record.VerticalAngles.size(), c.stored);
    const auto horizontal = ReadText(kHeader + LeadingWith(5, c.written));
    EXPECT_EQ(horizontal.record.HorizontalCount, c.stored) << c.written;
    EXPECT_EQ(horizontal.record.Candela.size(), c.stored);
    const auto units = ReadText(kHeader + LeadingWith(7, c.written));
    EXPECT_EQ(units.record.UnitsType, c.stored) << c.written;
}

INSTANTIATE_TEST_SUITE_P(Leading, CountRounding,
                         ::testing::Values(RoundingCase{"2.5", 2}, RoundingCase{"3.5", 4},
                                           RoundingCase{"0.5", 0}, RoundingCase{"1.5", 2},
                                           RoundingCase{"2.4999", 2}, RoundingCase{"2.5001", 3},
                                           RoundingCase{"-2.5", 65534}, RoundingCase{"-1", 65535},
                                           RoundingCase{"-0.5", 0}, RoundingCase{"65535", 65535},
                                           RoundingCase{"65536", 0}, RoundingCase{"65537.5", 2},
                                           RoundingCase{"1e2", 100},
                                           RoundingCase{"9223372036854775807", 65535},
                                           RoundingCase{"-9223372036854775808", 0}));

TEST(CountRounding, ValueBeyondA64BitIntegerFailsTheLoad) {
    for (const int index : {4, 5, 7}) {
        for (const char* written :
             {"9223372036854775808", "-9223372036854775809", "1e30", "-1e4000"}) {
            tIES record;
            record.LampLumens = 123;
            TextLines lines = SplitIntoLines(kHeader + LeadingWith(index, written) + kGrid);
            TextLines header;
            EXPECT_THROW(ReadIES(lines, record, header, nullptr), LumetraError)
                << "number " << index << " = " << written;
            EXPECT_EQ(record.LampLumens, 123) << "the record must be left as it was";
        }
    }
}

// --- Finding the TILT line --------------------------------------------------------------------

struct TiltLineCase {
    const char* line;
    bool isTiltLine;
    friend void PrintTo(const TiltLineCase& c, std::ostream* os) { *os << c.line; }
};

class TiltLineDetection : public ::testing::TestWithParam<TiltLineCase> {};

TEST_P(TiltLineDetection, TextBeforeTheFirstEqualsSignIsTilt) {
    const TextLines lines = {"IESNA:LM-63-1995", "[TEST] T", GetParam().line, "1 2 3"};
    EXPECT_EQ(FindTiltLine(lines), GetParam().isTiltLine ? 2u : lines.size()) << GetParam().line;
}

INSTANTIATE_TEST_SUITE_P(
    Header, TiltLineDetection,
    ::testing::Values(TiltLineCase{"TILT=NONE", true}, TiltLineCase{"tilt=none", true},
                      TiltLineCase{"Tilt=None", true}, TiltLineCase{"tIlT=INCLUDE", true},
                      TiltLineCase{"TILT=", true}, TiltLineCase{"TILT= NONE", true},
                      TiltLineCase{"TILT=lamp.tlt", true}, TiltLineCase{"TILT=a=b", true},
                      TiltLineCase{"TILT =NONE", false}, TiltLineCase{" TILT=NONE", false},
                      TiltLineCase{"TILT\t=NONE", false}, TiltLineCase{"TILT", false},
                      TiltLineCase{"TILT NONE", false}, TiltLineCase{"TILTED=NONE", false},
                      TiltLineCase{"TIL=NONE", false}, TiltLineCase{"X TILT=NONE", false},
                      TiltLineCase{"[LUMINAIRE] TILT=INCLUDE", false}));

TEST(TiltLineDetection, FirstTiltLineWins) {
    const TextLines lines = {"H", "tilt=one", "TILT=two", "1"};
    EXPECT_EQ(FindTiltLine(lines), 1u);
}

TEST(TiltLineDetection, HeaderUpToAndIncludingTheTiltLine) {
    const auto out = ReadText(kHeader + kLeading + kGrid);
    EXPECT_EQ(out.headerLines, (TextLines{"IESNA:LM-63-2002", "[TEST] 42", "TILT=NONE"}));
}

TEST(TiltLineDetection, TiltLineWithAFileNameIsFollowedByTheNumbers) {
    const auto out = ReadText("IESNA91\nTILT=lamp.tlt\n" + kLeading + kGrid);
    ExpectSmallGrid(out);
    EXPECT_FALSE(out.parseError);
}

TEST(TiltLineDetection, WithoutATiltLineTheWholeFileIsNumbers) {
    const auto out = ReadText("IESNA91\nTILT =NONE\n" + kLeading + kGrid);
    EXPECT_TRUE(out.headerLines.empty());
    EXPECT_TRUE(out.parseError);
    // "IESNA91", "TILT" and "=NONE" fail; the first of them is on line 1.
    EXPECT_EQ(out.messages, (std::vector<std::string>{"Error!\r\rLine 1"}));
    // Shifted by the three header tokens: the 4th number is the file's first.
    EXPECT_EQ(out.record.VerticalCount, 1);
    EXPECT_EQ(out.record.HorizontalCount, 1000);
    EXPECT_EQ(out.record.UnitsType, 3);
}

struct IncludeCase {
    const char* line;
    bool include;
    friend void PrintTo(const IncludeCase& c, std::ostream* os) { *os << c.line; }
};

class TiltInclude : public ::testing::TestWithParam<IncludeCase> {};

TEST_P(TiltInclude, ValueTrimmedIsIncludeInAnyCase) {
    EXPECT_EQ(IsTiltInclude(GetParam().line), GetParam().include) << GetParam().line;
}

INSTANTIATE_TEST_SUITE_P(
    Header, TiltInclude,
    ::testing::Values(IncludeCase{"TILT=INCLUDE", true}, IncludeCase{"tilt=include", true},
                      IncludeCase{"TILT=  Include   ", true}, IncludeCase{"TILT=INCLUDE\t", true},
                      IncludeCase{"TILT=NONE", false}, IncludeCase{"TILT=INCLUDES", false},
                      IncludeCase{"TILT=INCLUDE X", false}, IncludeCase{"TILT=INCLUDE=1", false},
                      IncludeCase{"TILT=IN CLUDE", false}, IncludeCase{"TILT=", false},
                      IncludeCase{"TILT=include.tlt", false}));

// --- Missing and extra numbers ----------------------------------------------------------------

TEST(MissingAndExtraNumbers, ExtraNumbersAreIgnoredSilently) {
    const auto out = ReadText(kHeader + kLeading + kGrid + "70 80 90\nEND\n\x1a");
    ExpectSmallGrid(out);
    EXPECT_FALSE(out.parseError);
    EXPECT_TRUE(out.messages.empty());
}

TEST(MissingAndExtraNumbers, FileEndingAmongTheCandelaValuesLeavesZeros) {
    const auto out = ReadText(kHeader + kLeading + "0 45 90\n0 90\n10 20 30\n40\n");
    EXPECT_EQ(out.record.Candela, (std::vector<tArrEx>{{10, 20, 30}, {40, 0, 0}}));
    EXPECT_TRUE(out.parseError);
    EXPECT_TRUE(out.messages.empty());
}

TEST(MissingAndExtraNumbers, ShortageAmongTheLeadingNumbersNamesTheLastLine) {
    const auto out = ReadText(kHeader + "1 1000 2 3 2\n\n");
    EXPECT_TRUE(out.parseError);
    // Lines: 3 header lines, the numbers, one empty line: the last line is line 5.
    EXPECT_EQ(out.messages, (std::vector<std::string>{"Error!\r\rLine 5"}));
    EXPECT_EQ(out.record.VerticalCount, 3);
    EXPECT_EQ(out.record.HorizontalCount, 2);
    EXPECT_EQ(out.record.UnitsType, 0);
    EXPECT_EQ(out.record.Candela, (std::vector<tArrEx>{{0, 0, 0}, {0, 0, 0}}));
}

TEST(MissingAndExtraNumbers, BadFourthNumberShowsOneMessageAndReadingGoesOn) {
    const auto out =
        ReadText(kHeader + "1\n1000\n2\nthree\n2\n1\n1\n0.5\n0.6\n0.7\n1\n1\n100\n" + kGrid);
    EXPECT_EQ(out.messages, (std::vector<std::string>{"Error!\r\rLine 7"}));
    EXPECT_TRUE(out.parseError);
    EXPECT_EQ(out.record.VerticalCount, 0);
    EXPECT_EQ(out.record.HorizontalCount, 2);
    EXPECT_EQ(out.record.HorizontalAngles, (tArrEx{0, 45})) << "the values that follow are read";
    EXPECT_EQ(out.record.Candela, (std::vector<tArrEx>{{}, {}}));
}

TEST(MissingAndExtraNumbers, SeveralBadLeadingNumbersShowOneMessage) {
    const auto out = ReadText(kHeader + "a b c d e f g h i j k l m\n" + kGrid);
    EXPECT_EQ(out.messages.size(), 1u);
}

TEST(MissingAndExtraNumbers, BadAngleShowsTheMessageNamingItsLine) {
    const auto out = ReadText(kHeader + kLeading + "0 4x5 90\n0 90\n10 20 30\n40 50 60\n");
    EXPECT_TRUE(out.parseError);
    EXPECT_EQ(out.messages, (std::vector<std::string>{"Error!\r\rLine 5"}));
    EXPECT_EQ(out.record.VerticalAngles, (tArrEx{0, 0, 90}));
    EXPECT_EQ(out.record.Candela[1], (tArrEx{40, 50, 60}));
}

TEST(MissingAndExtraNumbers, ReaderLeavesTheNumericTextAsTheOneLine) {
    const auto out = ReadText(kHeader + "1,2\n3\n");
    EXPECT_EQ(out.fileLines, (TextLines{"1 2  3  "}));
}

// --- The tilt block of TILT=INCLUDE -----------------------------------------------------------

std::string IncludeFile(const std::string& tiltLine, const std::string& block) {
    return "IESNA:LM-63-1995\n[TEST] T\n" + tiltLine + "\n" + block + kLeading + kGrid;
}

TEST(TiltBlock, IsSkippedBeforeTheLeadingNumbers) {
    const auto out = ReadText(IncludeFile("TILT=INCLUDE", "1\n3\n0 45 90\n1.0 0.9 0.8\n"));
    ExpectSmallGrid(out);
    EXPECT_FALSE(out.parseError);
    EXPECT_TRUE(out.messages.empty());
}

TEST(TiltBlock, ValueIsMatchedInAnyCaseWithBlanksAround) {
    const auto out = ReadText(IncludeFile("tilt= Include ", "2 2 0 90 1 0.5\n"));
    ExpectSmallGrid(out);
    EXPECT_FALSE(out.parseError);
}

TEST(TiltBlock, CountRoundsTiesToEven) {
    ExpectSmallGrid(ReadText(IncludeFile("TILT=INCLUDE", "1 2.5 0 90 1 0.5\n")));
    ExpectSmallGrid(ReadText(IncludeFile("TILT=INCLUDE", "1 3.5 0 30 60 90 1 0.9 0.8 0.7\n")));
}

TEST(TiltBlock, ZeroOrNegativeCountSkipsNoPairs) {
    ExpectSmallGrid(ReadText(IncludeFile("TILT=INCLUDE", "1 0\n")));
    ExpectSmallGrid(ReadText(IncludeFile("TILT=INCLUDE", "1 -4\n")));
}

TEST(TiltBlock, NoneAndFileNameHaveNoBlock) {
    const auto none = ReadText(IncludeFile("TILT=NONE", "1 1 0 1\n"));
    EXPECT_EQ(none.record.LampLumens, 1) << "the would-be block is read as the leading numbers";
    const auto file = ReadText(IncludeFile("TILT=include.tlt", "1 1 0 1\n"));
    EXPECT_EQ(file.record.LampLumens, 1);
}

TEST(TiltBlock, HugeCountStopsAtTheEndOfTheText) {
    for (const char* count : {"1e30", "1e4000"}) {
        const auto out = ReadText(IncludeFile("TILT=INCLUDE", std::string("1 ") + count + "\n"));
        EXPECT_TRUE(out.parseError);
        // The block swallows every number; the file's last line is line 9.
        EXPECT_EQ(out.messages, (std::vector<std::string>{"Error!\r\rLine 9"})) << count;
        EXPECT_EQ(out.record.VerticalCount, 0);
        EXPECT_TRUE(out.record.Candela.empty());
    }
}

TEST(TiltBlock, BadTokenInTheBlockShowsTheMessageAndKeepsItsPlace) {
    const auto out = ReadText(IncludeFile("TILT=INCLUDE", "1\n2\n0 90\n1.0 half\n"));
    EXPECT_EQ(out.messages, (std::vector<std::string>{"Error!\r\rLine 7"}));
    EXPECT_TRUE(out.parseError);
    ExpectSmallGrid(out);
}

TEST(TiltBlock, BadCountCountsAsAFailedLeadingNumber) {
    const auto out = ReadText(IncludeFile("TILT=INCLUDE", "1\nn\n"));
    EXPECT_EQ(out.messages, (std::vector<std::string>{"Error!\r\rLine 5"}));
    ExpectSmallGrid(out);
}

TEST(TiltBlock, FileCutInsideTheBlockNamesItsLastLine) {
    const auto out = ReadText("IESNA:LM-63-1995\nTILT=INCLUDE\n1\n13\n0 15 30\n");
    EXPECT_EQ(out.messages, (std::vector<std::string>{"Error!\r\rLine 5"}));
    EXPECT_EQ(out.record.VerticalCount, 0);
}

// --- The line named in the message ------------------------------------------------------------

TEST(MessageLine, NamesTheFileLineOfTheFirstFailingToken) {
    const std::string numbers = "1 1000 2\n3 2 1\n1 0.5 0.6 x\n0.7 1 1 y\n" + kGrid;
    // 3 header lines, so "x" is on file line 6 whatever the line breaks are.
    for (const std::string lineBreak : {"\n", "\r\n", "\r"}) {
        const auto out = ReadText(Replace(kHeader + numbers, "\n", lineBreak));
        EXPECT_EQ(out.messages, (std::vector<std::string>{"Error!\r\rLine 6"}))
            << "line break " << static_cast<int>(lineBreak[0]) << " " << lineBreak.size();
    }
}

TEST(MessageLine, CountsEmptyLinesAndLinesOfBlanks) {
    const auto out = ReadText(kHeader + "\n   \n1 1000 2 3 2 1\n\n1 0.5 0.6 0.7 1 1 *\n" + kGrid);
    EXPECT_EQ(out.messages, (std::vector<std::string>{"Error!\r\rLine 8"}));
}

TEST(MessageLine, RanOutNamesTheLastLineEvenAfterAnEarlierGoodLine) {
    const auto out = ReadText(kHeader + "1 1000 2 3 2 1 1\n\n\n");
    EXPECT_EQ(out.messages, (std::vector<std::string>{"Error!\r\rLine 6"}));
}

TEST(MessageLine, NoMessageWithoutANotifier) {
    TextLines lines = SplitIntoLines(kHeader + "x\n");
    TextLines header;
    tIES record;
    EXPECT_TRUE(ReadIES(lines, record, header, nullptr));
}

// --- Declared grid too large ------------------------------------------------------------------

tIES PreviousRecord() {
    tIES record;
    record.LampLumens = 5;
    record.VerticalCount = 2;
    record.HorizontalCount = 1;
    record.VerticalAngles = {0, 90};
    record.HorizontalAngles = {0};
    return record;
}

TEST(GridLimit, LargestAllowedGridIsRead) {
    const auto out = ReadText(kHeader + "1 1000 1 2048 2048 1 1 0 0 0 1 1 100\n");
    EXPECT_EQ(out.record.Candela.size(), 2048u);
    EXPECT_EQ(out.record.Candela.back().size(), 2048u);
    EXPECT_TRUE(out.parseError);
}

TEST(GridLimit, LargerGridFailsBeforeAnythingChanges) {
    for (const std::string counts : {"2049 2048", "2048 2049", "65535 65535", "-1 -1"}) {
        tIES record = PreviousRecord();
        TextLines lines = SplitIntoLines(kHeader + "1 1000 1 " + counts + " 1 1 0 0 0 1 1 100\n");
        TextLines header = {"old header"};
        try {
            ReadIES(lines, record, header, nullptr);
            ADD_FAILURE() << counts << " was accepted";
        } catch (const LumetraError& error) {
            EXPECT_NE(std::string(error.what()).find("candela values"), std::string::npos)
                << error.what();
        }
        EXPECT_EQ(record.LampLumens, 5) << counts;
        EXPECT_EQ(record.VerticalCount, 2);
        EXPECT_EQ(record.VerticalAngles, (tArrEx{0, 90}));
        EXPECT_TRUE(record.Candela.empty());
        EXPECT_TRUE(lines.empty());
        EXPECT_EQ(header.size(), 3u) << "the new header is in place, as after any failed read";
    }
}

TEST(GridLimit, MessageForBadLeadingNumbersStillComesFirst) {
    test::MessageRecorder recorder;
    tIES record;
    TextLines lines = SplitIntoLines(kHeader + "x 1000 1 4096 4096 1 1 0 0 0 1 1 100\n");
    TextLines header;
    EXPECT_THROW(ReadIES(lines, record, header, recorder.notifier()), LumetraError);
    EXPECT_EQ(recorder.messages, (std::vector<std::string>{"Error!\r\rLine 4"}));
}

// --- Nothing after the TILT line --------------------------------------------------------------

TEST(NothingAfterTilt, FailsWithTheListIndexError) {
    for (const std::string text :
         {"IESNA\nTILT=NONE\n", "IESNA\r\nTILT=NONE\r\n", "IESNA\nTILT=NONE"}) {
        tIES record = PreviousRecord();
        TextLines lines = SplitIntoLines(text);
        TextLines header;
        try {
            ReadIES(lines, record, header, nullptr);
            ADD_FAILURE() << "no error";
        } catch (const LumetraError& error) {
            EXPECT_STREQ(error.what(), "List index out of bounds (0)");
        }
        EXPECT_TRUE(lines.empty());
        EXPECT_EQ(header, (TextLines{"IESNA", "TILT=NONE"}));
        EXPECT_EQ(record.LampLumens, 5);
        EXPECT_EQ(record.VerticalAngles, (tArrEx{0, 90}));
    }
}

TEST(NothingAfterTilt, AnEmptyFileFailsTheSameWay) {
    tIES record;
    TextLines lines;
    TextLines header = {"old"};
    EXPECT_THROW(ReadIES(lines, record, header, nullptr), LumetraError);
    EXPECT_TRUE(header.empty());
}

TEST(NothingAfterTilt, AnEmptyLineAfterTiltIsANumericBlock) {
    const auto out = ReadText("IESNA\nTILT=NONE\n\n");
    EXPECT_EQ(out.messages, (std::vector<std::string>{"Error!\r\rLine 3"}));
    EXPECT_TRUE(out.record.Candela.empty());
}

// --- Splitting the header from the numbers ----------------------------------------------------

TEST(SplitHeader, LineBreaksAndCommasBecomeSpaces) {
    TextLines lines = {"H", "TILT=NONE", "1,2", "3\t4", ""};
    TextLines header;
    EXPECT_EQ(SplitHeader(lines, header), "1 2  3\t4    ");
    EXPECT_EQ(header, (TextLines{"H", "TILT=NONE"}));
    EXPECT_EQ(lines, (TextLines{"1,2", "3\t4", ""}));
}

TEST(SplitHeader, WithoutATiltLineEverythingIsNumericText) {
    TextLines lines = {"a", "b"};
    TextLines header = {"stale"};
    EXPECT_EQ(SplitHeader(lines, header), "a  b  ");
    EXPECT_TRUE(header.empty());
}

TEST(LineBreaksToSpaces, ReplacesInPlaceKeepingTheLength) {
    EXPECT_EQ(LineBreaksToSpaces("a\r\nb\rc\nd,e\t"), "a  b c d,e\t");
}

// --- Header keywords --------------------------------------------------------------------------

TEST(HeaderKeyword, LampIsNotFoundInsideLampcat) {
    const std::string header = "IESNA\r\n[LAMPCAT] C-1\r\n[LAMP] Bulb\r\nTILT=NONE\r\n";
    EXPECT_EQ(HeaderKeyword("[LAMP]", header), " Bulb");
    EXPECT_EQ(HeaderKeyword("[LAMPCAT]", header), " C-1");
    EXPECT_EQ(HeaderKeyword("[LAMP]", "[LAMPCAT] C-1\r\n"), "");
}

TEST(HeaderKeyword, CaseMattersAndAbsentGivesEmpty) {
    const std::string header = "[test] 1\r\n[Test] 2\r\n[manufac] M\r\nTILT=NONE\r\n";
    EXPECT_EQ(HeaderKeyword("[TEST]", header), "");
    EXPECT_EQ(HeaderKeyword("[MANUFAC]", header), "");
    EXPECT_EQ(HeaderKeyword("[TEST]", ""), "");
}

TEST(HeaderKeyword, BlanksAreKept) {
    EXPECT_EQ(HeaderKeyword("[TEST]", "[TEST] 12345\r\n"), " 12345");
    EXPECT_EQ(HeaderKeyword("[TEST]", "[TEST]  a b  \r\n"), "  a b  ");
    EXPECT_EQ(HeaderKeyword("[TEST]", "[TEST]\t7\r\n"), "\t7");
    EXPECT_EQ(HeaderKeyword("[TEST]", "[TEST]ITL46635\r\n"), "ITL46635");
}

TEST(HeaderKeyword, EndsAtALineBreakOrABracket) {
    EXPECT_EQ(HeaderKeyword("[LUMINAIRE]", "[LUMINAIRE] A [MORE] B\r\n"), " A ");
    EXPECT_EQ(HeaderKeyword("[LUMINAIRE]", "[LUMINAIRE] A\rB\r\n"), " A");
    EXPECT_EQ(HeaderKeyword("[LUMINAIRE]", "[LUMINAIRE] A\nB"), " A");
    EXPECT_EQ(HeaderKeyword("[LUMINAIRE]", "x [LUMINAIRE] to the end"), " to the end");
    EXPECT_EQ(HeaderKeyword("[LUMINAIRE]", "[LUMINAIRE][LUMCAT] X"), "");
}

TEST(HeaderKeyword, FirstOccurrenceWinsAcrossTheWholeHeader) {
    const std::string header = "[TEST] first line\r\n[TEST] second\r\nTILT=NONE [LAMP] x\r\n";
    EXPECT_EQ(HeaderKeyword("[TEST]", header), " first line");
    EXPECT_EQ(HeaderKeyword("[LAMP]", header), " x");
}

} // namespace
} // namespace lumetra
