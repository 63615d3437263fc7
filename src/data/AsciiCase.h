#pragma once
// Letter case of ASCII text. std::tolower follows the user's locale, and in a Turkish one "I" does
// not fold to "i": keywords, extensions and file-name order must not depend on that.

namespace lumetra {

inline char AsciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

} // namespace lumetra
