#pragma once

#include <string>
#include <string_view>

namespace lumetra {

bool IsValidUtf8(std::string_view bytes);

// The bytes as UTF-8: unchanged when they are valid UTF-8, read as Latin-1 otherwise.
std::string ToUtf8(std::string_view bytes);

// The code points of valid UTF-8.
std::u32string CodePoints(const std::string& utf8);

} // namespace lumetra
