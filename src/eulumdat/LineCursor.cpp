#include "LineCursor.h"

#include "EulumdatError.h"
#include "data/NumericText.h"
#include "data/Translatable.h"

#include <algorithm>
#include <cmath>

namespace lumetra {

namespace {

bool IsBlankOrTab(char c) {
    return c == ' ' || c == '\t';
}

// Plain loops: the library's find_first_not_of searches its set once per character.
std::string_view TrimBlanksAndTabs(std::string_view s) {
    std::size_t first = 0;
    std::size_t last = s.size();
    while (first < last && IsBlankOrTab(s[first]))
        ++first;
    while (last > first && IsBlankOrTab(s[last - 1]))
        --last;
    return s.substr(first, last - first);
}

// The line as the user sees it in the error; a huge line is cut, it would drown the message.
std::string Quoted(std::string_view line) {
    constexpr std::size_t kShown = 40;
    const std::string_view shown = TrimBlanksAndTabs(line);
    if (shown.size() <= kShown)
        return "\"" + std::string(shown) + "\"";
    return "\"" + std::string(shown.substr(0, kShown)) + "...\"";
}

} // namespace

bool ConvertLineNumber(std::string_view line, long double& value) {
    const std::string_view token = TrimBlanksAndTabs(line);
    if (token.find(',') == std::string_view::npos)
        return ConvertToken(token, value);
    std::string withPoint(token);
    std::replace(withPoint.begin(), withPoint.end(), ',', '.');
    return ConvertToken(withPoint, value);
}

const std::string& LineCursor::Take(const char* what) {
    if (next_ >= lines_.size())
        throw EulumdatError(
            line(), LUMETRA_MESSAGE("EulumdatReader", "the file ends where the %1 should be")
                        .Arg(Message("EulumdatReader", what)));
    return lines_[next_++];
}

const std::string& LineCursor::Text(const char* what) {
    return Take(what);
}

void LineCursor::Skip(std::size_t count, const char* what) {
    for (std::size_t i = 0; i < count; ++i)
        Take(what);
}

long double LineCursor::Number(const char* what) {
    const std::string& text = Take(what);
    long double value = 0;
    if (ConvertLineNumber(text, value))
        return value;
    const std::size_t at = next_;
    if (TrimBlanksAndTabs(text).empty())
        throw EulumdatError(at, LUMETRA_MESSAGE("EulumdatReader", "the %1 is empty")
                                    .Arg(Message("EulumdatReader", what)));
    throw EulumdatError(at, LUMETRA_MESSAGE("EulumdatReader", "the %1 is not a number: %2")
                                .Arg(Message("EulumdatReader", what))
                                .Arg(Quoted(text)));
}

std::optional<long double> LineCursor::OptionalNumber(const char* what) {
    long double value = 0;
    if (ConvertLineNumber(Take(what), value))
        return value;
    return std::nullopt;
}

std::size_t LineCursor::WholeNumber(const char* what, std::size_t least, std::size_t most) {
    const long double value = Number(what);
    if (value >= static_cast<long double>(least) && value <= static_cast<long double>(most) &&
        value == std::truncl(value))
        return static_cast<std::size_t>(value);
    throw EulumdatError(
        next_,
        LUMETRA_MESSAGE("EulumdatReader", "the %1 must be a whole number from %2 to %3, not %4")
            .Arg(Message("EulumdatReader", what))
            .Arg(std::to_string(least))
            .Arg(std::to_string(most))
            .Arg(Quoted(lines_[next_ - 1])));
}

void LineCursor::RequireLines(std::size_t count, const Message& what) const {
    const std::size_t left = lines_.size() - std::min(next_, lines_.size());
    if (left < count)
        throw EulumdatError(lines_.size() + 1,
                            LUMETRA_MESSAGE("EulumdatReader", "the file ends after %1 of the %2 %3")
                                .Arg(std::to_string(left))
                                .Arg(std::to_string(count))
                                .Arg(what));
}

} // namespace lumetra
