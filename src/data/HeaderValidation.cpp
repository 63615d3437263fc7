#include "HeaderValidation.h"

#include "AsciiCase.h"
#include "DescriptionKeywords.h"
#include "IesReader.h"
#include "Photometry.h"
#include "Translatable.h"
#include "VersionLine.h"

#include <algorithm>
#include <array>
#include <string>

namespace lumetra {

namespace {

enum class VersionLine { Known, Unknown, Missing };

constexpr std::array<std::string_view, 4> kVersionLines = {"IESNA:LM-63-1995", "IESNA:LM-63-2002",
                                                           "IES:LM-63-2019", "IESNA91"};

// The LM-63 keywords (1991 to 2019), to tell a keyword written without brackets from free text.
constexpr std::array<std::string_view, 25> kKnownKeywords = {
    "TEST",         "TESTLAB",   "TESTDATE",     "ISSUEDATE", "MANUFAC",
    "LUMCAT",       "LUMINAIRE", "LAMPCAT",      "LAMP",      "BALLAST",
    "BALLASTCAT",   "MAINTCAT",  "DISTRIBUTION", "FLASHAREA", "COLORCONSTANT",
    "LAMPPOSITION", "NEARFIELD", "FILEGENINFO",  "SEARCH",    "OTHER",
    "MORE",         "BLOCK",     "ENDBLOCK",     "DATE",      "LUMINOUSGEOMETRY"};

// ASCII only, like the reader: a locale's case rules must not change what the check says.
bool IsAsciiLower(char c) {
    return c >= 'a' && c <= 'z';
}
bool IsAsciiLetter(char c) {
    return IsAsciiLower(c) || (c >= 'A' && c <= 'Z');
}

template <std::size_t N>
bool Contains(const std::array<std::string_view, N>& list, std::string_view s) {
    return std::find(list.begin(), list.end(), s) != list.end();
}

// Trailing blanks are invisible and harmless, so they do not make a version line unknown.
VersionLine ClassifyVersionLine(std::string_view firstLine) {
    if (Contains(kVersionLines, TrimTrailingBlanks(firstLine)))
        return VersionLine::Known;
    if (IsVersionLine(firstLine))
        return VersionLine::Unknown;
    return VersionLine::Missing;
}

VersionLine CheckVersionLine(std::string_view firstLine, FindingList& findings) {
    const VersionLine version = ClassifyVersionLine(firstLine);
    if (version == VersionLine::Unknown)
        findings.Add(Severity::Warning, 1,
                     LUMETRA_MESSAGE("Check", "Unknown version line %1: LM-63 writes "
                                              "IESNA:LM-63-1995, IESNA:LM-63-2002, "
                                              "IES:LM-63-2019 or IESNA91")
                         .Arg(Quoted(firstLine)));
    else if (version == VersionLine::Missing)
        findings.Add(Severity::Warning, 1,
                     LUMETRA_MESSAGE("Check", "No version line: the header is read as "
                                              "LM-63-1986 free text"));
    return version;
}

void CheckBracketedKeyword(std::string_view text, std::size_t line, FindingList& findings) {
    const auto close = text.find(']');
    if (close == std::string_view::npos) {
        findings.Add(
            Repeating::KeywordForm, Severity::Warning, line,
            LUMETRA_MESSAGE("Check", "Keyword line %1 has no closing bracket").Arg(Quoted(text)));
        return;
    }
    const std::string_view keyword = text.substr(1, close - 1);
    if (std::none_of(keyword.begin(), keyword.end(), IsAsciiLower))
        return;
    const std::string upper = AsciiUpperText(keyword);
    // Appended piece by piece: GCC 12 at -O3 warns falsely on a literal + std::string.
    std::string bracketed(1, '[');
    bracketed.append(keyword).push_back(']');
    const std::string written = Quoted(bracketed);
    findings.Add(
        Repeating::KeywordForm, Severity::Warning, line,
        IsDescriptionKeyword(upper)
            ? LUMETRA_MESSAGE("Check", "Keyword %1 is not in upper case: the viewer "
                                       "shows it only as [%2]")
                  .Arg(written)
                  .Arg(upper)
            : LUMETRA_MESSAGE("Check", "Keyword %1 is not in upper case, as LM-63 keywords are")
                  .Arg(written));
}

// A line such as "TEST 12345" or "Lamp: ..." where a keyword line is expected.
void CheckUnbracketedKeyword(std::string_view text, std::size_t line, FindingList& findings) {
    std::size_t length = 0;
    while (length < text.size() && (IsAsciiLetter(text[length]) || text[length] == '_'))
        ++length;
    if (length == 0 ||
        (length < text.size() && kBlanks.find(text[length]) == std::string_view::npos &&
         text[length] != ':'))
        return;
    const std::string upper = AsciiUpperText(text.substr(0, length));
    if (!Contains(kKnownKeywords, upper))
        return;
    findings.Add(Repeating::KeywordForm, Severity::Warning, line,
                 IsDescriptionKeyword(upper)
                     ? LUMETRA_MESSAGE("Check", "Keyword %1 is written without brackets: the "
                                                "viewer shows it only as [%1]")
                           .Arg(upper)
                     : LUMETRA_MESSAGE("Check", "Keyword %1 is written without brackets: LM-63 "
                                                "writes [%1]")
                           .Arg(upper));
}

void CheckKeywordLine(std::string_view line, std::size_t number, bool keywordsExpected,
                      FindingList& findings) {
    const std::string_view text = TrimLeadingBlanks(line);
    if (!text.empty() && text.front() == '[')
        CheckBracketedKeyword(text, number, findings);
    else if (keywordsExpected)
        CheckUnbracketedKeyword(text, number, findings);
}

// Returns whether the reader skips a tilt block after this line.
bool CheckTiltValue(std::string_view line, std::size_t number, FindingList& findings) {
    if (IsTiltInclude(std::string(line))) {
        findings.Add(Severity::Warning, number,
                     LUMETRA_MESSAGE("Check", "TILT=INCLUDE: the viewer skips the tilt block "
                                              "that follows and does not apply its tilt factors"));
        return true;
    }
    const std::string_view value =
        TrimTrailingBlanks(TrimLeadingBlanks(line.substr(line.find('=') + 1)));
    const std::string upper = AsciiUpperText(value);
    if (upper == "NONE")
        return false;
    if (upper.rfind("INCLUDE", 0) == 0)
        findings.Add(Severity::Warning, number,
                     LUMETRA_MESSAGE("Check", "TILT value %1 is not exactly INCLUDE: the viewer "
                                              "expects no tilt block and reads what follows as "
                                              "the photometric numbers")
                         .Arg(Quoted(value)));
    else if (value.empty())
        findings.Add(Severity::Warning, number,
                     LUMETRA_MESSAGE("Check", "The TILT line names no tilt file and is not "
                                              "TILT=NONE: the viewer shows the data without tilt "
                                              "factors"));
    else
        findings.Add(Severity::Warning, number,
                     LUMETRA_MESSAGE("Check",
                                     "TILT names the tilt file %1, which the viewer does not "
                                     "read: it shows the data without tilt factors")
                         .Arg(Quoted(value)));
    return false;
}

// 1-based number of the TILT line; 0 when there is none.
std::size_t FindTilt(LineCursor lines) {
    while (lines.Next()) {
        if (IsTiltLine(lines.line()))
            return lines.number();
    }
    return 0;
}

} // namespace

std::optional<HeaderEnd> CheckHeader(LineCursor& lines, FindingList& findings) {
    const std::size_t tiltLine = FindTilt(lines);
    LineCursor first = lines;
    const VersionLine version =
        first.Next() ? CheckVersionLine(
                           IsTiltLine(first.line()) ? std::string_view() : first.line(), findings)
                     : VersionLine::Missing;
    if (tiltLine == 0) {
        findings.Add(Severity::Error, 1,
                     LUMETRA_MESSAGE("Check",
                                     "No TILT line: the viewer reads the whole file as numbers "
                                     "and finds no header"));
        return std::nullopt;
    }
    const bool keywordsExpected = version != VersionLine::Missing;
    while (lines.Next() && lines.number() < tiltLine) {
        if (lines.number() == 1 && keywordsExpected)
            continue; // the version line
        CheckKeywordLine(lines.line(), lines.number(), keywordsExpected, findings);
    }
    return HeaderEnd{tiltLine, CheckTiltValue(lines.line(), tiltLine, findings)};
}

} // namespace lumetra
