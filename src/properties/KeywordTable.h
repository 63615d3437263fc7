#pragma once
// The header's keyword lines as a table. A keyword is a bracketed word at the start of a line
// ("[TEST]", "[_ABSOLUTELUMENS]", ...); a "[MORE]" line continues the keyword before it. Lines
// without a keyword keep their text with an empty keyword, so nothing of the header is hidden.

#include "data/Photometry.h"

#include <string>
#include <string_view>
#include <vector>

namespace lumetra::properties {

struct KeywordRow {
    std::string keyword; // with its brackets, as written; empty for a line without one
    std::string value;   // blanks around it trimmed; continuation lines joined by one blank
    std::string url;     // the first web address in the value, "" when there is none
};

// The rows of the header lines (text already decoded for reading), in file order. The format's
// version line (the first line when it has no keyword) and the TILT line are left out: the
// summary shows them.
std::vector<KeywordRow> KeywordTable(const TextLines& headerLines);

// The first "http://", "https://" or "www." address in the text, up to a blank; "www." gets
// "https://" in front. Empty when there is none.
std::string FirstUrl(std::string_view text);

} // namespace lumetra::properties
