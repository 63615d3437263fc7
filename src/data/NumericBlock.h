#pragma once
// The numeric block of an IES file, everything after its TILT line, as the reader takes it: one
// text in which every comma is a space and every file line ends in two spaces (where the joined
// lines had their CR LF), with the offset in that text at which each file line starts.

#include "Photometry.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lumetra {

struct NumericBlock {
    std::string text;
    std::vector<std::size_t> lineStarts;
};

// Splits a file's text, a NUL ending it, as splitting it into lines at CR, LF or CR LF and taking
// the lines up to and including the first TILT line as the header would: headerLines gets those
// lines (none when there is no TILT line, and then the whole text is numeric). Only the header
// lines become strings of their own; the numeric lines are copied once, into the block's text.
NumericBlock SplitFileText(std::string_view fileText, TextLines& headerLines);

// The same, but a text of more than maxLines lines gives nothing and leaves headerLines alone:
// the lines are counted on the way, and reading stops at the first line beyond the limit.
std::optional<NumericBlock> SplitFileText(std::string_view fileText, TextLines& headerLines,
                                          std::size_t maxLines);

} // namespace lumetra
