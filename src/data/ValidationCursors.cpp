#include "ValidationCursors.h"

namespace lumetra {

namespace {

// Plain loops: the library's find_first_of searches its set once per character of the text,
// which made these scans the larger part of checking a file.
bool IsLineBreak(char c) {
    return c == '\r' || c == '\n';
}
bool IsSeparator(char c) {
    return c == ' ' || c == ',';
}

template <typename Predicate>
std::size_t FindFrom(std::string_view text, std::size_t from, Predicate predicate) {
    while (from < text.size() && !predicate(text[from]))
        ++from;
    return from;
}

} // namespace

LineCursor::LineCursor(std::string_view text) : text_(text.substr(0, text.find('\0'))) {}

bool LineCursor::Next() {
    if (pos_ >= text_.size())
        return false;
    const std::size_t end = FindFrom(text_, pos_, IsLineBreak);
    line_ = text_.substr(pos_, end - pos_);
    pos_ = end + 1;
    if (end < text_.size() && text_[end] == '\r' && pos_ < text_.size() && text_[pos_] == '\n')
        ++pos_;
    ++number_;
    return true;
}

std::size_t CountLinesUpTo(std::string_view text, std::size_t limit) {
    LineCursor lines(text);
    std::size_t count = 0;
    while (count <= limit && lines.Next())
        ++count;
    return count;
}

std::size_t NulLine(std::string_view bytes) {
    const auto nul = bytes.find('\0');
    if (nul == std::string_view::npos)
        return 0;
    // The lines before the NUL, plus the one it stands on (an empty one after a final break).
    const std::string_view before = bytes.substr(0, nul);
    const bool endsWithBreak = !before.empty() && (before.back() == '\n' || before.back() == '\r');
    return CountLinesUpTo(before, before.size()) + (before.empty() || endsWithBreak ? 1 : 0);
}

std::optional<Token> TokenCursor::Next() {
    for (;;) {
        const std::size_t start = FindFrom(rest_, 0, [](char c) { return !IsSeparator(c); });
        if (start < rest_.size()) {
            const std::size_t end = FindFrom(rest_, start, IsSeparator);
            const Token token{rest_.substr(start, end - start), lines_.number()};
            rest_ = rest_.substr(end);
            return token;
        }
        if (!lines_.Next())
            return std::nullopt;
        rest_ = lines_.line();
    }
}

} // namespace lumetra
