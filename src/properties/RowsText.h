#pragma once
// Captioned rows as plain text for the clipboard: one row a line, caption and value separated by
// a tab, so that a spreadsheet or an editor takes the whole table.

#include "RowWriter.h"

#include <string>
#include <vector>

namespace lumetra::properties {

// "caption\tvalue\n" for each row; tabs and line breaks inside a cell become blanks.
std::string RowsText(const std::vector<CaptionedValue>& rows);

} // namespace lumetra::properties
