#include "NumberFormat.h"

#include "data/NumericText.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>

namespace lumetra::writing {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Digits from text[at] on; returns where they stop.
std::size_t SkipDigits(std::string_view text, std::size_t at) {
    while (at < text.size() && IsDigit(text[at]))
        ++at;
    return at;
}

} // namespace

namespace {

template <typename Real> std::string Shortest(Real value) {
    // The longest positional form of an extended real has a few thousand digits.
    std::array<char, 5200> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::fixed);
    if (result.ec != std::errc())
        return "0";
    return {buffer.data(), result.ptr};
}

// A double holds the value's magnitude without overflow or loss to a subnormal.
bool FitsDouble(long double value) {
    const long double magnitude = std::fabs(value);
    return magnitude <= std::numeric_limits<double>::max() &&
           magnitude >= std::numeric_limits<double>::min();
}

} // namespace

std::string FormatNumber(long double value) {
    if (value == 0 || !std::isfinite(value))
        return "0";
    if (FitsDouble(value)) {
        std::string text = Shortest(static_cast<double>(value));
        long double back = 0;
        if (ConvertToken(text, back) && back == value)
            return text;
    }
    return Shortest(value);
}

std::string FormatComputed(long double value) {
    if (value == 0 || !std::isfinite(value))
        return "0";
    const std::string text =
        FitsDouble(value) ? Shortest(static_cast<double>(value)) : Shortest(value);
    return text == "-0" ? "0" : text;
}

long double TidyAngle(long double value) {
    // Angles are a few thousand degrees at most; anything larger is left as it is.
    if (!(std::fabs(value) < 1e12L))
        return value;
    std::array<char, 64> buffer{};
    const long double rounded = std::nearbyintl(value * 1e9L) / 1e9L;
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), rounded,
                                      std::chars_format::fixed, 9);
    long double tidy = 0;
    if (result.ec != std::errc() ||
        !ConvertToken(std::string_view(buffer.data(), result.ptr), tidy))
        return value;
    return tidy == 0 ? 0 : tidy;
}

bool IsPlainNumber(std::string_view text) {
    std::size_t at = !text.empty() && text[0] == '-' ? 1 : 0;
    const std::size_t whole = SkipDigits(text, at);
    std::size_t digits = whole - at;
    at = whole;
    if (at < text.size() && text[at] == '.') {
        const std::size_t fraction = SkipDigits(text, at + 1);
        digits += fraction - at - 1;
        at = fraction;
    }
    return digits > 0 && at == text.size();
}

} // namespace lumetra::writing
