#pragma once
// The file line that a reader's message names: "Error!  Line 14" from the IES reader, "Line 12 of
// the EULUMDAT file: ..." from the EULUMDAT reader.

#include <cstddef>
#include <optional>
#include <string_view>

namespace lumetra::properties {

// The number after the first "Line " that is followed by digits; none when there is none or it
// is 0 (a reader that could not tell the line).
std::optional<std::size_t> ReportedLine(std::string_view message);

} // namespace lumetra::properties
