#pragma once
// The six header keywords of the viewer's description, in its order, each with the caption its
// line starts with: the description, the check's advice about keywords and the header that a
// EULUMDAT file is given all follow this one list.

#include "Translatable.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace lumetra {

struct DescriptionLine {
    std::string_view caption;
    std::string_view keyword; // in brackets, as the header writes it
};

// The captions are marked in the context "Description"; the main window shows them translated,
// JSON keeps them English.
inline constexpr std::array<DescriptionLine, 6> kDescriptionLines{{
    {LUMETRA_TR_NOOP("Description", "Test: "), "[TEST]"},
    {LUMETRA_TR_NOOP("Description", "Manufacturer: "), "[MANUFAC]"},
    {"", "[LUMINAIRE]"},
    {LUMETRA_TR_NOOP("Description", "Luminaire catalog: "), "[LUMCAT]"},
    {LUMETRA_TR_NOOP("Description", "Lamp:"), "[LAMP]"},
    {LUMETRA_TR_NOOP("Description", "Lamp catalog: "), "[LAMPCAT]"},
}};

// Whether a keyword, without brackets and in capitals, is one the description shows.
inline bool IsDescriptionKeyword(std::string_view bare) {
    return std::any_of(kDescriptionLines.begin(), kDescriptionLines.end(),
                       [bare](const DescriptionLine& line) {
                           return line.keyword.substr(1, line.keyword.size() - 2) == bare;
                       });
}

} // namespace lumetra
