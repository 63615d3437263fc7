#include "ValidationCursors.h"

#include <cstring>

namespace lumetra {

namespace {

// Offset of the first c at or after from, or the text's size.
std::size_t FindByte(std::string_view text, std::size_t from, char c) {
    const void* found = std::memchr(text.data() + from, c, text.size() - from);
    return found ? static_cast<std::size_t>(static_cast<const char*>(found) - text.data())
                 : text.size();
}

} // namespace

LineCursor::LineCursor(std::string_view text)
    : text_(text.substr(0, text.find('\0'))), nextLf_(FindByte(text_, 0, '\n')),
      nextCr_(FindByte(text_, 0, '\r')) {}

// Lines run to dozens of characters, long enough for the library's vector search to win. Each
// kind of break is searched for afresh only once the cursor has passed the last one found, so a
// file with only CR breaks is not searched to its end for an LF on every line.
std::size_t LineCursor::NextBreak() {
    if (nextLf_ < pos_)
        nextLf_ = FindByte(text_, pos_, '\n');
    if (nextCr_ < pos_)
        nextCr_ = FindByte(text_, pos_, '\r');
    return nextLf_ < nextCr_ ? nextLf_ : nextCr_;
}

bool LineCursor::Next() {
    if (pos_ >= text_.size())
        return false;
    const std::size_t end = NextBreak();
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

bool HasMoreLinesThan(std::string_view text, std::size_t limit) {
    return text.size() > limit && CountLinesUpTo(text, limit) > limit;
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

} // namespace lumetra
