#pragma once

#include "Photometry.h"

#include <string>
#include <string_view>

namespace lumetra {

// Splits text into lines at CR, LF or CRLF; a NUL ends the text. A line break at the very end
// starts no further line, so empty text has no lines at all.
TextLines SplitIntoLines(std::string_view text);

// The lines joined, each followed by a carriage return and a line feed (the last one too).
std::string JoinLinesCrLf(const TextLines& lines);

// Line breaks in text: every LF, and every CR that no LF follows (a CR LF is one break).
std::size_t CountLineBreaks(std::string_view text);

// How often c occurs in text.
std::size_t CountByte(std::string_view text, char c);

} // namespace lumetra
