#include "IniText.h"

#include <algorithm>
#include <tuple>

namespace lumetra {

namespace {

constexpr std::string_view kUtf8Signature = "\xEF\xBB\xBF";

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

bool SameName(std::string_view a, std::string_view b) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    return std::ranges::equal(a, b, {}, lower, lower);
}

// [begin, end) without the blanks at either side.
std::pair<std::size_t, std::size_t> Trimmed(std::string_view text, std::size_t begin,
                                            std::size_t end) {
    while (begin < end && IsBlank(text[begin]))
        ++begin;
    while (end > begin && IsBlank(text[end - 1]))
        --end;
    return {begin, end};
}

// One line of the text. Offsets are into the whole text; a line ends at "\r\n", "\n" or a lone
// "\r" (old Mac files), and the last line may have no line break at all.
struct Line {
    enum class Kind { Ignored, Heading, Key };
    Kind kind = Kind::Ignored;
    std::string_view name; // section or key
    std::size_t valueBegin = 0, valueEnd = 0;
    bool hasEquals = false;
    std::size_t contentEnd = 0; // where the line break starts
    std::size_t next = 0;       // where the next line starts
};

Line ClassifyLine(std::string_view text, std::size_t begin, Line line) {
    const auto [first, last] = Trimmed(text, begin, line.contentEnd);
    const std::string_view content = text.substr(first, last - first);
    if (content.empty() || content[0] == ';' || content[0] == '#')
        return line;
    if (content[0] == '[') {
        // Anything after the closing bracket is ignored; a heading without one is not a heading.
        const auto close = content.find(']');
        if (close == std::string_view::npos)
            return line;
        const auto [nameBegin, nameEnd] = Trimmed(text, first + 1, first + close);
        line.kind = Line::Kind::Heading;
        line.name = text.substr(nameBegin, nameEnd - nameBegin);
        return line;
    }
    const auto equals = content.find('=');
    const std::size_t keyEnd = equals == std::string_view::npos ? last : first + equals;
    const auto [keyBegin, keyTrimmedEnd] = Trimmed(text, first, keyEnd);
    if (keyBegin == keyTrimmedEnd)
        return line; // "=value" names no key
    line.kind = Line::Kind::Key;
    line.name = text.substr(keyBegin, keyTrimmedEnd - keyBegin);
    line.hasEquals = equals != std::string_view::npos;
    std::tie(line.valueBegin, line.valueEnd) =
        line.hasEquals ? Trimmed(text, keyEnd + 1, last) : std::pair{last, last};
    return line;
}

Line LineAt(std::string_view text, std::size_t begin) {
    Line line;
    line.contentEnd = std::min(text.find_first_of("\r\n", begin), text.size());
    line.next = line.contentEnd;
    if (line.next < text.size())
        line.next += text.compare(line.next, 2, "\r\n") == 0 ? 2 : 1;
    return ClassifyLine(text, begin, line);
}

// Calls visit(line, section) for every line, section being the heading the line falls under
// (empty before the first heading); stops early when visit returns true.
template <typename Visit> void ForEachLine(std::string_view text, Visit visit) {
    std::size_t begin = text.starts_with(kUtf8Signature) ? kUtf8Signature.size() : 0;
    std::string_view section;
    while (begin < text.size()) {
        const Line line = LineAt(text, begin);
        if (line.kind == Line::Kind::Heading)
            section = line.name;
        if (visit(line, section))
            return;
        begin = line.next;
    }
}

std::optional<Line> FindKey(std::string_view text, std::string_view section, std::string_view key) {
    std::optional<Line> found;
    ForEachLine(text, [&](const Line& line, std::string_view lineSection) {
        if (line.kind == Line::Kind::Key && SameName(lineSection, section) &&
            SameName(line.name, key))
            found = line;
        return found.has_value();
    });
    return found;
}

// Where a key added to the section goes: after the last line of the section's first occurrence
// that is neither blank nor a comment, so notes that lead into the next section stay with it.
std::optional<std::size_t> EndOfSection(std::string_view text, std::string_view section) {
    std::optional<std::size_t> end;
    bool inside = false, done = false;
    ForEachLine(text, [&](const Line& line, std::string_view lineSection) {
        if (line.kind == Line::Kind::Heading) {
            done = end.has_value();
            inside = !done && SameName(lineSection, section);
            if (inside)
                end = line.next;
        } else if (inside && line.kind == Line::Kind::Key) {
            end = line.next;
        }
        return done;
    });
    return end;
}

// The text's own line break, so a file with CRLF lines gets CRLF lines added.
std::string_view LineBreakOf(std::string_view text) {
    const auto at = text.find_first_of("\r\n");
    if (at == std::string_view::npos)
        return "\n";
    return text.compare(at, 2, "\r\n") == 0 ? "\r\n" : text.substr(at, 1);
}

} // namespace

std::optional<std::string_view> IniText::Value(std::string_view section,
                                               std::string_view key) const {
    const auto line = FindKey(bytes_, section, key);
    if (!line)
        return std::nullopt;
    return std::string_view(bytes_).substr(line->valueBegin, line->valueEnd - line->valueBegin);
}

void IniText::SetValue(std::string_view section, std::string_view key, std::string_view value) {
    if (const auto line = FindKey(bytes_, section, key)) {
        const std::string replacement =
            line->hasEquals ? std::string(value) : "=" + std::string(value);
        bytes_.replace(line->valueBegin, line->valueEnd - line->valueBegin, replacement);
        return;
    }
    const std::string lineBreak(LineBreakOf(bytes_));
    std::string added = std::string(key) + "=" + std::string(value) + lineBreak;
    auto at = EndOfSection(bytes_, section);
    if (!at) {
        added = "[" + std::string(section) + "]" + lineBreak + added;
        at = bytes_.size();
    }
    // A last line without a line break gets one before anything follows it.
    const bool lastLineOpen = *at == bytes_.size() && !bytes_.empty() && bytes_.back() != '\n' &&
                              bytes_.back() != '\r' && bytes_ != kUtf8Signature;
    if (lastLineOpen)
        added.insert(0, lineBreak);
    bytes_.insert(*at, added);
}

} // namespace lumetra
