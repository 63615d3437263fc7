#include "KeywordTable.h"

#include "data/AsciiCase.h"
#include "data/IesReader.h"

#include <algorithm>
#include <array>

namespace lumetra::properties {

namespace {

// The bracketed word at the start of the line, brackets included; empty when there is none.
std::string_view LeadingKeyword(std::string_view line) {
    if (line.empty() || line.front() != '[')
        return {};
    const auto close = line.find(']');
    if (close == std::string_view::npos || close == 1)
        return {};
    return line.substr(0, close + 1);
}

bool IsVersionLine(std::size_t index, std::string_view keyword) {
    return index == 0 && keyword.empty();
}

void Append(std::string& value, std::string_view more) {
    if (!value.empty() && !more.empty())
        value += ' ';
    value += more;
}

} // namespace

std::vector<KeywordRow> KeywordTable(const TextLines& headerLines) {
    std::vector<KeywordRow> rows;
    for (std::size_t i = 0; i < headerLines.size(); ++i) {
        const std::string_view line = TrimBlanks(headerLines[i]);
        const std::string_view keyword = LeadingKeyword(line);
        if (IsVersionLine(i, keyword) || IsTiltLine(headerLines[i]))
            continue;
        const std::string_view value = TrimBlanks(line.substr(keyword.size()));
        if (keyword == "[MORE]" && !rows.empty())
            Append(rows.back().value, value);
        else
            rows.push_back({std::string(keyword), std::string(value), {}});
    }
    for (KeywordRow& row : rows)
        row.url = FirstUrl(row.value);
    return rows;
}

std::string FirstUrl(std::string_view text) {
    constexpr std::array<std::string_view, 3> kStarts{"https://", "http://", "www."};
    std::size_t at = std::string_view::npos;
    for (std::string_view start : kStarts)
        at = std::min(at, text.find(start));
    if (at == std::string_view::npos)
        return {};
    std::string url(text.substr(at, text.find_first_of(" \t<>\"", at) - at));
    while (!url.empty() && std::string_view(".,;)").find(url.back()) != std::string_view::npos)
        url.pop_back(); // the sentence's punctuation, not the address's
    return url.rfind("www.", 0) == 0 ? "https://" + url : url;
}

} // namespace lumetra::properties
