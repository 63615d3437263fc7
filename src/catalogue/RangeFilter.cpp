#include "RangeFilter.h"

#include "CatalogueTexts.h"
#include "data/AsciiCase.h"

#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdlib>

namespace lumetra::catalogue {

namespace {

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
        text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())))
        text.remove_suffix(1);
    return text;
}

bool IsWordChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) != 0;
}

// The column whose keyword starts the clause, followed by no letter or digit; the clause is left
// with what follows.
std::optional<Column> TakeColumn(std::string_view& clause) {
    std::size_t length = 0;
    while (length < clause.size() && IsWordChar(clause[length]))
        ++length;
    std::string word(clause.substr(0, length));
    for (char& c : word)
        c = AsciiLower(c);
    for (const ColumnInfo& info : Columns()) {
        if (info.numeric && word == info.keyword) {
            clause.remove_prefix(length);
            return info.column;
        }
    }
    return std::nullopt;
}

// A number with optional thousands commas and blanks; none unless the whole text is one.
std::optional<long double> Number(std::string_view text) {
    std::string digits;
    for (const char c : Trimmed(text))
        if (c != ',' && c != ' ')
            digits += c;
    if (digits.empty())
        return std::nullopt;
    char* end = nullptr;
    errno = 0;
    const long double value = std::strtold(digits.c_str(), &end);
    if (end != digits.c_str() + digits.size() || errno != 0 || !std::isfinite(value))
        return std::nullopt;
    return value;
}

// "<a", "<=a", ">a", ">=a" or "a-b".
std::optional<Range> Bounds(std::string_view text, Column column) {
    text = Trimmed(text);
    Range range{column, std::nullopt, std::nullopt};
    if (!text.empty() && (text.front() == '<' || text.front() == '>')) {
        const bool below = text.front() == '<';
        text.remove_prefix(1);
        const bool inclusive = !text.empty() && text.front() == '=';
        const auto value = Number(inclusive ? text.substr(1) : text);
        if (!value)
            return std::nullopt;
        (below ? range.high : range.low) = Bound{*value, inclusive};
        return range;
    }
    const auto dash = text.find('-', 1); // a leading '-' is a sign
    if (dash == std::string_view::npos)
        return std::nullopt;
    const auto low = Number(text.substr(0, dash));
    const auto high = Number(text.substr(dash + 1));
    if (!low || !high || *low > *high)
        return std::nullopt;
    range.low = Bound{*low, true};
    range.high = Bound{*high, true};
    return range;
}

} // namespace

bool InRange(const Range& range, std::optional<long double> value) {
    if (!value)
        return false;
    if (range.low &&
        (range.low->inclusive ? *value < range.low->value : *value <= range.low->value))
        return false;
    return !(range.high &&
             (range.high->inclusive ? *value > range.high->value : *value >= range.high->value));
}

ParsedRanges ParseRanges(std::string_view text) {
    ParsedRanges parsed;
    while (!text.empty()) {
        const auto end = text.find(';');
        std::string_view clause = Trimmed(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (clause.empty())
            continue;
        const std::string original(clause);
        const auto column = TakeColumn(clause);
        const auto range = column ? Bounds(clause, *column) : std::nullopt;
        if (!range) {
            const TextId why = column ? TextId::RangeBadBounds : TextId::RangeUnknownColumn;
            return {{}, "\"" + original + "\": " + Text(why)};
        }
        parsed.ranges.push_back(*range);
    }
    return parsed;
}

} // namespace lumetra::catalogue
