#pragma once
// The file's text as the Text tab shows it: its lines as read, decoded for reading, joined by
// line feeds. A file can hold megabytes on one line; laying that out would freeze the window, so
// very long lines and very many lines are cut, and the cut is said.

#include "data/Photometry.h"

#include <cstddef>
#include <string>

namespace lumetra::properties {

inline constexpr std::size_t kShownLines = 200'000;
inline constexpr std::size_t kShownLineBytes = 10'000;

struct ShownText {
    std::string text; // UTF-8
    bool shortened = false;
};

ShownText TextToShow(const TextLines& fileLines);

} // namespace lumetra::properties
