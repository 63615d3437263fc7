#pragma once
// The IES (LM-63) reader: header lines up to the TILT line, then one stream of numbers.

#include "LuminaireFacts.h"
#include "Notifier.h"
#include "NumericBlock.h"
#include "Photometry.h"

#include <string>
#include <string_view>

namespace lumetra {

// Largest candela grid (vertical x horizontal count) that a file may declare.
inline constexpr unsigned long kMaxCandelaValues = 4'194'304;

// True for a TILT line: its text before its first "=" is "tilt" in any letter case.
bool IsTiltLine(std::string_view line);

// Index of the TILT line: the first line whose text before its first "=" is "tilt" in any
// letter case, nothing trimmed. Returns lines.size() when there is none.
std::size_t FindTiltLine(const TextLines& lines);

// True when the TILT line's value, blanks trimmed, is "include" in any letter case.
bool IsTiltInclude(const std::string& tiltLine);

// Every carriage return and line feed becomes a space, in place.
std::string LineBreaksToSpaces(std::string text);

// Moves the lines up to and including the TILT line into headerLines and returns the rest as
// one text in which line breaks and commas are spaces.
std::string SplitHeader(TextLines& lines, TextLines& headerLines);

// Fills the record from the file's lines. On return lines holds the numeric text as its one line.
// A malformed leading number calls notify once ("Error!" ...) and reading goes on. Returns the
// parse-error flag. Throws LumetraError when nothing follows the TILT line, when a count or the
// units type does not fit a 64-bit integer, or when the declared grid is too large.
bool ReadIES(TextLines& lines, tIES& record, TextLines& headerLines, const Notifier& notify);

// The same, also keeping the luminaire's leading numbers (lamps, lumens per lamp, photometric
// type, luminous opening, ballast factor, input watts) in facts, which is left alone when the
// read throws.
bool ReadIES(TextLines& lines, tIES& record, TextLines& headerLines, const Notifier& notify,
             LuminaireFacts& facts);

// The same reader straight from a file's text, a NUL ending it: lines, record and headerLines are
// left exactly as by splitting the text into lines (SplitIntoLines) and reading those, but no
// line of the numeric block ever becomes a string of its own.
bool ReadIES(std::string_view fileText, TextLines& lines, tIES& record, TextLines& headerLines,
             const Notifier& notify, LuminaireFacts& facts);

// The same reader on a file's text split already (SplitFileText), headerLines holding its header.
bool ReadIES(NumericBlock block, TextLines& lines, tIES& record, const TextLines& headerLines,
             const Notifier& notify, LuminaireFacts& facts);

// The text after the first exact occurrence of keyword, up to the end of its line or the next
// "[", untrimmed; empty when the keyword is absent.
std::string HeaderKeyword(const std::string& keyword, const std::string& headerText);

} // namespace lumetra
