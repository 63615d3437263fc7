#include "TextLines.h"

namespace lumetra {

namespace {

// Offset of the first CR or LF at or after from, or npos. A plain loop: the library's
// find_first_of searches its set once per character of the text.
std::size_t FindLineBreak(std::string_view text, std::size_t from) {
    for (; from < text.size(); ++from)
        if (text[from] == '\r' || text[from] == '\n')
            return from;
    return std::string_view::npos;
}

} // namespace

TextLines SplitIntoLines(std::string_view text) {
    const auto nul = text.find('\0');
    if (nul != std::string_view::npos)
        text = text.substr(0, nul);
    TextLines lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const auto end = FindLineBreak(text, start);
        if (end == std::string_view::npos) {
            lines.emplace_back(text.substr(start));
            break;
        }
        lines.emplace_back(text.substr(start, end - start));
        start = end + 1;
        if (text[end] == '\r' && start < text.size() && text[start] == '\n')
            ++start;
    }
    return lines;
}

std::string JoinLinesCrLf(const TextLines& lines) {
    std::size_t size = 0;
    for (const auto& line : lines)
        size += line.size() + 2;
    std::string joined;
    joined.reserve(size);
    for (const auto& line : lines) {
        joined += line;
        joined += "\r\n";
    }
    return joined;
}

// A vector search between occurrences: line breaks are dozens of bytes apart, where a plain loop
// costs several instructions per byte.
std::size_t CountByte(std::string_view text, char c) {
    std::size_t count = 0;
    for (auto at = text.find(c); at != std::string_view::npos; at = text.find(c, at + 1))
        ++count;
    return count;
}

} // namespace lumetra
