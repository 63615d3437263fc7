#pragma once
// Whether a header's first line is an LM-63 version line: "IESNA91", "IESNA:LM-63-1995",
// "IESNA:LM-63-2002" and "IES:LM-63-2019" start with "IESNA" or "IES:", and a file of 1986 has
// free text there instead. Leading blanks and letter case do not matter, so a version line
// written carelessly is still taken for one: the check names it unknown, the format shown
// names it, a writer replaces it, and a file named .ldt that starts with one holds IES text.

#include "AsciiCase.h"

#include <string_view>

namespace lumetra {

inline bool IsVersionLine(std::string_view firstLine) {
    const std::string_view start = TrimLeadingBlanks(firstLine);
    return StartsWithIgnoringAsciiCase(start, "IESNA") ||
           StartsWithIgnoringAsciiCase(start, "IES:");
}

} // namespace lumetra
