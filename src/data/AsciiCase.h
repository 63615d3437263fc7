#pragma once
// Letter case and blanks of ASCII text. std::tolower follows the user's locale, and in a Turkish
// one "I" does not fold to "i": keywords, extensions and file-name order must not depend on that.
// Blanks are spaces and tabs, wherever a line's value is trimmed.

#include <algorithm>
#include <string>
#include <string_view>

namespace lumetra {

inline char AsciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

inline char AsciiUpper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

inline bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return AsciiLower(x) == AsciiLower(y);
           });
}

inline bool StartsWithIgnoringAsciiCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() &&
           EqualsIgnoringAsciiCase(text.substr(0, prefix.size()), prefix);
}

inline std::string AsciiUpperText(std::string_view s) {
    std::string upper(s);
    std::transform(upper.begin(), upper.end(), upper.begin(), AsciiUpper);
    return upper;
}

inline constexpr std::string_view kBlanks = " \t";

inline std::string_view TrimLeadingBlanks(std::string_view s) {
    const auto first = s.find_first_not_of(kBlanks);
    return first == std::string_view::npos ? std::string_view() : s.substr(first);
}

inline std::string_view TrimTrailingBlanks(std::string_view s) {
    const auto last = s.find_last_not_of(kBlanks);
    return last == std::string_view::npos ? std::string_view() : s.substr(0, last + 1);
}

inline std::string_view TrimBlanks(std::string_view s) {
    return TrimTrailingBlanks(TrimLeadingBlanks(s));
}

} // namespace lumetra
