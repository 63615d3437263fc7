#include "ValidationCursors.h"

namespace lumetra {

LineCursor::LineCursor(std::string_view text) : text_(text.substr(0, text.find('\0'))) {}

bool LineCursor::Next() {
    if (pos_ >= text_.size())
        return false;
    const auto end = text_.find_first_of("\r\n", pos_);
    if (end == std::string_view::npos) {
        line_ = text_.substr(pos_);
        pos_ = text_.size();
    } else {
        line_ = text_.substr(pos_, end - pos_);
        pos_ = end + 1;
        if (text_[end] == '\r' && pos_ < text_.size() && text_[pos_] == '\n')
            ++pos_;
    }
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
    constexpr std::string_view kSeparators = " ,";
    for (;;) {
        const auto start = rest_.find_first_not_of(kSeparators);
        if (start != std::string_view::npos) {
            const auto end = rest_.find_first_of(kSeparators, start);
            const std::string_view text = rest_.substr(start, end == std::string_view::npos
                                                                  ? std::string_view::npos
                                                                  : end - start);
            rest_ = end == std::string_view::npos ? std::string_view() : rest_.substr(end);
            return Token{text, lines_.number()};
        }
        if (!lines_.Next())
            return std::nullopt;
        rest_ = lines_.line();
    }
}

} // namespace lumetra
