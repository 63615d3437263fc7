// The check behind lumetra-cli check: each kind of finding on texts written to show it, with its
// severity and file line, and the cursors that give the lines.

#include "data/Validation.h"

#include "data/Errors.h"
#include "data/HeaderValidation.h"
#include "data/IesReader.h"
#include "data/Loading.h"
#include "data/TextLines.h"
#include "data/TokenSign.h"
#include "data/ValidationCursors.h"
#include "support/IesText.h"
#include "support/Samples.h"
#include "support/TempFolder.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <iterator>
#include <ostream>
#include <string>
#include <vector>

namespace lumetra {

// Readable findings in failure messages.
void PrintTo(const Finding& finding, std::ostream* out) {
    *out << SeverityName(finding.severity) << " at line " << finding.line << ": "
         << finding.message.English();
}

namespace {

using ::testing::AllOf;
using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::Field;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::Not;
using ::testing::Property;
using ::testing::SizeIs;

// The default file: header 1-3, TILT 4, the leading numbers 5-6, vertical angles 7, horizontal
// angles 8, candela values 9-10.
using test::IesFile;

auto IsFinding(Severity severity, std::size_t line, const std::string& part) {
    return AllOf(Field(&Finding::severity, severity), Field(&Finding::line, line),
                 Field(&Finding::message, Property(&Message::English, HasSubstr(part))));
}
auto IsError(std::size_t line, const std::string& part) {
    return IsFinding(Severity::Error, line, part);
}
auto IsWarning(std::size_t line, const std::string& part) {
    return IsFinding(Severity::Warning, line, part);
}

std::vector<Finding> Check(const IesFile& file) {
    return ValidateIes(file.Text());
}

// --- Cursors ---------------------------------------------------------------------------------

TEST(ValidationCursors, LinesBreakExactlyAsTheLoaderBreaksThem) {
    using namespace std::string_literals;
    const std::vector<std::string> texts = {
        ""s,         "a"s,        "a\n"s,         "a\r\nb"s,        "a\rb\nc\r\n"s,
        "a\n\nb\n"s, "a\r\r\nb"s, "\n"s,          "\r\n\r\n"s,      "a\nb\0c\nd"s,
        "\0abc"s,    "x\n\r"s,    "TILT=NONE\r"s, "a\r\n\r\n\r\nb"s};
    for (const auto& text : texts) {
        LineCursor cursor(text);
        TextLines walked;
        while (cursor.Next()) {
            walked.emplace_back(cursor.line());
            EXPECT_EQ(cursor.number(), walked.size());
        }
        EXPECT_EQ(walked, SplitIntoLines(text)) << "text: " << ::testing::PrintToString(text);
        EXPECT_EQ(CountLinesUpTo(text, 100), walked.size());
        for (std::size_t limit = 0; limit <= text.size(); ++limit)
            EXPECT_EQ(HasMoreLinesThan(text, limit), walked.size() > limit) << limit;
    }
}

TEST(ValidationCursors, LineCountStopsJustPastItsLimit) {
    EXPECT_EQ(CountLinesUpTo(std::string(50, '\n'), 10), 11u);
}

TEST(ValidationCursors, NulLineNamesTheLineThatHoldsTheFirstNul) {
    using namespace std::string_literals;
    EXPECT_EQ(NulLine("abc"), 0u);
    EXPECT_EQ(NulLine("\0"s), 1u);
    EXPECT_EQ(NulLine("ab\0cd\n\0"s), 1u);
    EXPECT_EQ(NulLine("a\nb\r\n\0"s), 3u);
    EXPECT_EQ(NulLine("a\nb\r\nc\0"s), 3u);
    EXPECT_EQ(NulLine("a\r\n\r\n\0"s), 3u);
}

TEST(ValidationCursors, TokensSplitAtBlanksAndCommasAndKeepTheirLines) {
    const std::string text = "TILT=NONE\n1,2  3\n\n\t4\t5 ,-6.5e1,,\r\n7";
    LineCursor lines(text);
    ASSERT_TRUE(lines.Next());
    TokenCursor tokens(lines);
    std::vector<std::pair<std::string, std::size_t>> seen;
    PlainDecimal plain;
    for (Token token; tokens.Next(token, plain);) {
        seen.emplace_back(std::string(token.text), token.line);
        // read on the way, the plain form ends where it ends in the token alone
        EXPECT_EQ(plain.length, ReadPlainDecimal(token.text).length) << token.text;
    }
    EXPECT_THAT(seen, ElementsAre(std::pair<std::string, std::size_t>{"1", 2},
                                  std::pair<std::string, std::size_t>{"2", 2},
                                  std::pair<std::string, std::size_t>{"3", 2},
                                  std::pair<std::string, std::size_t>{"\t4\t5", 4},
                                  std::pair<std::string, std::size_t>{"-6.5e1", 4},
                                  std::pair<std::string, std::size_t>{"7", 5}));
    EXPECT_EQ(tokens.line(), 5u);
}

TEST(ValidationCursors, TiltLineRuleIsTheReaders) {
    for (const std::string line :
         {"TILT=NONE", "tilt=none", "Tilt=INCLUDE", "TILT=", "TILT =NONE", " TILT=NONE",
          "[LUMINAIRE] TILT=INCLUDE", "TILT", "TILTED=1", "TILT=A=B", ""}) {
        EXPECT_EQ(IsTiltLine(line), FindTiltLine(TextLines{line}) == 0) << line;
    }
}

// --- A sound file ----------------------------------------------------------------------------

TEST(Validation, SoundFilesHaveNoFindings) {
    EXPECT_THAT(Check(IesFile{}), IsEmpty());

    IesFile axial; // one plane, CR LF breaks, commas
    axial.header = {"IES:LM-63-2019", "[TEST] 1", "[LUMCAT] X", "[MORE] more text"};
    axial.leading = "1,1000,1,3,1,1,1,0,0,0";
    axial.horizontal = "0";
    axial.candela = {"100, 50, 0"};
    std::string text = axial.Text();
    for (std::size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', at + 2))
        text.insert(at, "\r");
    EXPECT_THAT(ValidateIes(text), IsEmpty());

    IesFile typeB; // photometric type 2 with horizontal angles -90 to 90
    typeB.header = {"IESNA91", "[TEST] B"};
    typeB.leading = "1 1000 1 3 3 2 1 0 0 0";
    typeB.vertical = "-90 0 90";
    typeB.horizontal = "-90 0 90";
    typeB.candela = {"1 2 3", "4 5 6", "7 8 9"};
    EXPECT_THAT(Check(typeB), IsEmpty());
}

// --- Numbers ---------------------------------------------------------------------------------

TEST(Validation, TokensThatDoNotConvertAreErrorsNamingTheToken) {
    IesFile file;
    file.candela = {"100 5O 10", "100 40 5"};
    EXPECT_THAT(Check(file),
                ElementsAre(IsError(9, "'5O' is not a number (expected a candela value)")));

    file = IesFile{};
    file.leading = "1 1000 1 3 2 1 1 0 0 0x";
    EXPECT_THAT(Check(file), ElementsAre(IsError(5, "'0x' is not a number (expected the height)")));

    file = IesFile{};
    file.candela = {"100\t50 10 100", "40 5"};
    EXPECT_THAT(Check(file), Contains(IsError(9, "a tab does not separate numbers")));
    EXPECT_THAT(Check(file), Contains(IsError(9, "convert --lenient")));
}

TEST(Validation, ControlCharactersAndLongTokensAreQuotedReadably) {
    IesFile file;
    file.candela = {"100 50 10", "100 40 5\x1a"};
    EXPECT_THAT(Check(file), ElementsAre(IsError(10, "'5\\x1A' is not a number")));

    file.candela = {"100 50 10", "100 40 " + std::string(100000, '7') + "x"};
    const auto findings = Check(file);
    ASSERT_THAT(findings, SizeIs(1));
    EXPECT_THAT(findings[0].message.English(), HasSubstr("'" + std::string(40, '7') + "...'"));
    EXPECT_LT(findings[0].message.English().size(), 200u);
}

TEST(Validation, FewerNumbersThanDeclaredIsAnErrorAtTheLastLine) {
    IesFile file;
    file.candela = {"100 50 10", "100"};
    EXPECT_THAT(Check(file),
                ElementsAre(IsError(10, "ends after 4 of the 6 candela values that its "
                                        "counts declare (3 x 2)")));

    file.candela.clear();
    file.horizontal = "0";
    EXPECT_THAT(Check(file), ElementsAre(IsError(8, "ends after 1 of its 2 horizontal angles")));

    file = IesFile{};
    file.ballast = "1 1";
    file.vertical = file.horizontal = "";
    file.candela.clear();
    EXPECT_THAT(Check(file), ElementsAre(IsError(8, "ends after 12 of the 13 numbers")));
}

TEST(Validation, MoreNumbersThanDeclaredIsAWarningAtTheFirstExtraToken) {
    IesFile file;
    file.candela = {"100 50 10", "100 40 5", "7 END"};
    EXPECT_THAT(Check(file),
                ElementsAre(IsWarning(11, "2 tokens more than its counts declare, from '7' on")));
}

TEST(Validation, VerticalAnglesMustRiseStrictly) {
    IesFile file;
    file.vertical = "0 45 45";
    EXPECT_THAT(Check(file),
                ElementsAre(IsError(7, "Vertical angle 45 is not above the angle before it (45)")));

    file.vertical = "0 90 45";
    EXPECT_THAT(Check(file),
                ElementsAre(IsError(7, "cannot be rendered across equal or descending")));
}

TEST(Validation, FirstVerticalAngleMustBeZeroOrNinetyEitherWay) {
    IesFile file;
    file.vertical = "5 45 90";
    EXPECT_THAT(Check(file), ElementsAre(IsWarning(7, "first vertical angle is 5")));
    for (const std::string start : {"90 120 180", "-90 0 90", "0.0 45 90"}) {
        file.vertical = start;
        EXPECT_THAT(Check(file), IsEmpty()) << start;
    }
}

TEST(Validation, HorizontalAnglesMustTakeAnLm63Form) {
    IesFile file;
    file.leading = "1 1000 1 3 3 1 1 0 0 0";
    file.candela = {"1 1 1", "1 1 1", "1 1 1"};
    for (const std::string form : {"0 45 90", "0 90 180", "90 180 270", "0 180 360"}) {
        file.horizontal = form;
        EXPECT_THAT(Check(file), IsEmpty()) << form;
    }
    file.horizontal = "0 180 345";
    EXPECT_THAT(Check(file),
                ElementsAre(IsWarning(8, "run from 0 to 345, none of the LM-63 forms")));
    file.horizontal = "-90 0 90"; // a form of types A and B only
    EXPECT_THAT(Check(file), ElementsAre(IsWarning(8, "none of the LM-63 forms")));
    file.horizontal = "0 90 90";
    EXPECT_THAT(Check(file),
                ElementsAre(IsWarning(8, "Horizontal angle 90 is not above the angle before it")));

    file.leading = "1 1000 1 3 1 1 1 0 0 0";
    file.horizontal = "45"; // a single plane is a form of its own
    file.candela = {"1 1 1"};
    EXPECT_THAT(Check(file), IsEmpty());
}

TEST(Validation, NegativeCandelaValuesAreWarnings) {
    IesFile file;
    file.candela = {"100 -0.5 10", "100 40 5"};
    EXPECT_THAT(Check(file), ElementsAre(IsWarning(9, "Negative candela value -0.5")));

    file.candela = {"0 -1 0", "0 0 -2"};
    EXPECT_THAT(Check(file), ElementsAre(IsWarning(9, "Negative candela value -1"),
                                         IsWarning(9, "No candela value is above 0"),
                                         IsWarning(10, "Negative candela value -2")));
}

TEST(Validation, CountsThatAreNoWholeNumberInRangeAreErrors) {
    IesFile file;
    file.leading = "1 1000 1 2.5 2 1 1 0 0 0";
    file.vertical = "0 45";
    file.candela = {"1 2", "3 4"};
    EXPECT_THAT(Check(file),
                ElementsAre(IsError(5, "vertical angles, '2.5', is not a whole number from 1 "
                                       "to 65535: the viewer reads it as 2")));

    file.leading = "1 1000 1 65539 2 1 1 0 0 0"; // the viewer keeps the low 16 bits: 3
    file.vertical = "0 45 90";
    file.candela = {"1 2 3", "4 5 6"};
    EXPECT_THAT(Check(file), ElementsAre(IsError(5, "reads it as 3")));

    file.leading = "1 1000 1 3 0 1 1 0 0 0";
    file.horizontal.clear();
    file.candela.clear();
    EXPECT_THAT(Check(file), ElementsAre(IsError(5, "declares no horizontal angles")));
}

TEST(Validation, FilesTheViewerRefusesStopTheCheck) {
    IesFile file;
    file.leading = "1 1000 1 65535 65535 1 1 0 0 0";
    EXPECT_THAT(Check(file),
                ElementsAre(IsError(5, "65535 x 65535 = 4294836225 candela values, more "
                                       "than the viewer supports (4194304)")));

    file.leading = "1 1000 1 1e30 2 1 1 0 0 0";
    EXPECT_THAT(Check(file), ElementsAre(IsError(5, "vertical angles, '1e30', is out of range")));

    file.leading = "1 1000 1 3 2 1 -1e19 0 0 0";
    EXPECT_THAT(Check(file), ElementsAre(IsError(5, "units type, '-1e19', is out of range")));
}

TEST(Validation, GridAtTheLimitIsCheckedWithoutAllocatingForIt) {
    IesFile
        file; // 4194304 values declared, 6 present: one finding, found as fast as the file reads
    file.leading = "1 1000 1 64 65536 1 1 0 0 0";
    EXPECT_THAT(
        Check(file),
        Contains(IsError(5, "not a whole number from 1 to 65535: the viewer reads it as 0")));
    file.leading = "1 1000 1 2048 2048 1 1 0 0 0";
    file.horizontal.clear();
    file.candela.clear();
    EXPECT_THAT(Check(file), ElementsAre(IsError(8, "ends after 3 of its 2048 vertical angles")));
}

TEST(Validation, RepeatingFindingsAreListedTenTimesThenSummedUp) {
    IesFile file;
    file.leading = "1 1000 1 3 40 1 1 0 0 0";
    file.horizontal = "0";
    for (int i = 1; i < 39; ++i)
        file.horizontal += " " + std::to_string(i * 2);
    file.horizontal += " 90";
    file.candela.assign(1, "5 ");
    for (int i = 1; i < 120; ++i)
        file.candela[0] += "-1 ";
    const auto findings = Check(file);
    ASSERT_THAT(findings, SizeIs(11));
    EXPECT_THAT(findings.back(), IsWarning(9, "And 109 more negative candela values from here on"));
}

// --- TILT ------------------------------------------------------------------------------------

TEST(Validation, TiltIncludeIsAWarningAndItsBlockIsSkipped) {
    IesFile file;
    file.tilt = "TILT=INCLUDE";
    file.tiltBlock = {"1", "3", "0 45 90", "1 0.9 0.8"};
    EXPECT_THAT(Check(file),
                ElementsAre(IsWarning(4, "TILT=INCLUDE: the viewer skips the tilt block")));

    file.tiltBlock = {"1", "3", "0 45 90", "1 0.9"}; // one factor short: everything shifts by one
    EXPECT_THAT(Check(file), Contains(IsWarning(11, "first vertical angle is 45")));

    file.tiltBlock = {"1", "13"};
    file.leading = file.ballast = file.vertical = file.horizontal = "";
    file.candela.clear();
    EXPECT_THAT(Check(file),
                ElementsAre(IsWarning(4, "TILT=INCLUDE"),
                            IsError(10, "ends inside the tilt block, after 0 of its 26")));
}

TEST(Validation, TiltFilesAreWarnings) {
    IesFile file;
    file.tilt = "TILT=lamp.tlt";
    EXPECT_THAT(Check(file), ElementsAre(IsWarning(4, "names the tilt file 'lamp.tlt'")));
    file.tilt = "TILT=";
    EXPECT_THAT(Check(file), ElementsAre(IsWarning(4, "names no tilt file")));
    file.tilt = "TILT=INCLUDE (geom=1)";
    EXPECT_THAT(Check(file), ElementsAre(IsWarning(4, "is not exactly INCLUDE")));
    file.tilt = "tilt=none";
    EXPECT_THAT(Check(file), IsEmpty());
}

TEST(Validation, MissingOrEmptyNumericBlockIsAnError) {
    IesFile file;
    file.tilt = "TILT =NONE"; // not a TILT line
    EXPECT_THAT(Check(file), ElementsAre(IsError(1, "No TILT line")));

    EXPECT_THAT(ValidateIes("IESNA:LM-63-2002\n[TEST] 1\nTILT=NONE\n"),
                ElementsAre(IsError(3, "Nothing follows the TILT line")));
    EXPECT_THAT(ValidateIes("IESNA:LM-63-2002\nTILT=NONE\n\n  \n"),
                ElementsAre(IsError(4, "ends after 0 of the 13 numbers")));
    EXPECT_THAT(ValidateIes(""), ElementsAre(IsError(1, "The file is empty")));
}

// --- Header ----------------------------------------------------------------------------------

TEST(Validation, VersionLineMustBeOneOfLm63s) {
    IesFile file;
    for (const std::string known : {"IESNA:LM-63-1995", "IESNA:LM-63-2002", "IES:LM-63-2019",
                                    "IESNA91", "IESNA:LM-63-2002  "}) {
        file.header[0] = known;
        EXPECT_THAT(Check(file), IsEmpty()) << known;
    }
    for (const std::string unknown :
         {"IESNA:LM-63-2005", "IESNA: LM-63-2002", " IESNA:LM-63-1995", "iesna95"}) {
        file.header[0] = unknown;
        EXPECT_THAT(Check(file),
                    ElementsAre(IsWarning(1, "Unknown version line '" + unknown + "'")));
    }
    file.header = {"ACME LIGHTING REPORT 1234",
                   "TEST REPORT 5"}; // 1986: free text, no keywords expected
    EXPECT_THAT(Check(file), ElementsAre(IsWarning(1, "No version line")));
    file.header.clear();
    EXPECT_THAT(Check(file), ElementsAre(IsWarning(1, "No version line")));
}

TEST(Validation, KeywordsTheViewerCannotShowAreWarnings) {
    IesFile file;
    file.header = {"IESNA:LM-63-2002", "[test] 1",   "[_USERKEY] x",   "TEST: 2",    "  [LAMP 3",
                   "[_mine] y",        "Lamp 400 W", "free text line", "[MORE] TEST"};
    const auto findings = Check(file);
    EXPECT_THAT(
        findings,
        ElementsAre(
            IsWarning(2,
                      "Keyword '[test]' is not in upper case: the viewer shows it only as [TEST]"),
            IsWarning(
                4, "Keyword TEST is written without brackets: the viewer shows it only as [TEST]"),
            IsWarning(5, "Keyword line '[LAMP 3' has no closing bracket"),
            IsWarning(6, "Keyword '[_mine]' is not in upper case, as LM-63 keywords are"),
            IsWarning(7, "Keyword LAMP is written without brackets")));
}

// --- Whole file ------------------------------------------------------------------------------

TEST(Validation, NulByteEndsTheTextAsTheViewerSees) {
    IesFile file;
    std::string text = file.Text();
    text.insert(text.find("100 40 5"), std::string(1, '\0'));
    EXPECT_THAT(ValidateIes(text), ElementsAre(IsError(9, "ends after 3 of the 6 candela values"),
                                               IsWarning(10, "A NUL byte ends the text here")));
}

TEST(Validation, FindingsComeInLineOrder) {
    IesFile file;
    file.header = {"IESNA:LM-63-1999", "[lamp] x"};
    file.vertical = "5 45 45";
    file.candela = {"100 -5 10", "100 4O 5"};
    const auto findings = Check(file);
    ASSERT_THAT(findings, SizeIs(6));
    for (std::size_t i = 1; i < findings.size(); ++i)
        EXPECT_LE(findings[i - 1].line, findings[i].line);
}

TEST(Validation, HugeInputsStayBounded) {
    // One 10 MB line of digits as one token: one finding, quoted short.
    IesFile line;
    line.candela = {"100 50 10", "100 40 " + std::string(10'000'000, '1') + "z"};
    const auto lineFindings = Check(line);
    ASSERT_THAT(lineFindings, SizeIs(1));
    EXPECT_LT(lineFindings[0].message.English().size(), 200u);

    // A million candela values, all sound.
    IesFile million;
    million.leading = "1 1000 1 1000 1000 1 1 0 0 0";
    million.vertical = million.horizontal = "";
    for (int i = 0; i < 1000; ++i)
        million.vertical += std::to_string(i * 0.09) + " ";
    for (int i = 0; i < 1000; ++i)
        million.horizontal += std::to_string(i * 0.09) + " ";
    million.candela.assign(1000, "");
    for (auto& plane : million.candela)
        for (int v = 0; v < 1000; ++v)
            plane += "12.5 ";
    EXPECT_THAT(Check(million), ElementsAre(IsWarning(8, "run from 0.000000 to 89.910000")));

    // More lines than the viewer reads: refused without walking them into memory.
    const std::string breaks(kMaxFileLines + 1, '\n');
    EXPECT_THAT(ValidateIes(breaks),
                ElementsAre(IsError(kMaxFileLines + 1, "more than the viewer reads")));
}

// Whatever the reader cannot read cleanly (a refusal, a number that does not convert, numbers
// missing) must show as an error, and a file without errors must read cleanly.
TEST(Validation, ErrorsAgreeWithTheReaderOnTheSamples) {
    std::size_t checked = 0;
    for (const auto& entry : std::filesystem::directory_iterator(test::SamplesFolder())) {
        if (entry.path().extension() != ".ies")
            continue;
        const std::string bytes = test::ReadWholeFile(entry.path());
        TextLines lines = SplitIntoLines(bytes);
        tIES record;
        TextLines header;
        bool readerFails = false;
        try {
            readerFails = ReadIES(lines, record, header, nullptr);
        } catch (const LumetraError&) {
            readerFails = true;
        }
        const auto findings = ValidateIes(bytes);
        const bool hasError = std::any_of(findings.begin(), findings.end(), [](const Finding& f) {
            return f.severity == Severity::Error;
        });
        EXPECT_EQ(hasError, readerFails) << entry.path().filename();
        ++checked;
    }
    EXPECT_GT(checked, 40u);
}

TEST(Validation, TooLargeFileFindingNamesTheLimit) {
    const Finding finding = FileTooLargeFinding(kMaxFileBytes + 1);
    EXPECT_EQ(finding.severity, Severity::Error);
    EXPECT_THAT(finding.message.English(), HasSubstr(std::to_string(kMaxFileBytes + 1) + " bytes"));
    EXPECT_THAT(finding.message.English(), HasSubstr(std::to_string(kMaxFileBytes)));
}

} // namespace
} // namespace lumetra
