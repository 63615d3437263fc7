#include "NumericText.h"

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <locale.h>

namespace lumetra {

bool NumericText::exhausted() const {
    const auto next = text_.find_first_not_of(' ', pos_);
    return next == std::string::npos || text_.find(' ', next) == std::string::npos;
}

std::string_view NumericText::TakeToken() {
    const auto start = text_.find_first_not_of(' ', pos_);
    if (start == std::string::npos) {
        pos_ = text_.size();
        lastTokenStart_ = pos_;
        return {};
    }
    pos_ = start;
    lastTokenStart_ = start;
    const auto end = text_.find(' ', start);
    if (end == std::string::npos)
        return {};
    pos_ = end + 1;
    return std::string_view(text_).substr(start, end - start);
}

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Length of the run of digits starting at i.
std::size_t DigitRun(std::string_view s, std::size_t i) {
    std::size_t n = 0;
    while (i + n < s.size() && IsDigit(s[i + n]))
        ++n;
    return n;
}

bool HasDecimalNumberForm(std::string_view s) {
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        ++i;
    std::size_t digits = DigitRun(s, i);
    i += digits;
    if (i < s.size() && s[i] == '.') {
        ++i;
        const std::size_t fraction = DigitRun(s, i);
        digits += fraction;
        i += fraction;
    }
    if (digits == 0)
        return false;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-'))
            ++i;
        const std::size_t exponent = DigitRun(s, i);
        if (exponent == 0)
            return false;
        i += exponent;
    }
    return i == s.size();
}

locale_t ClassicLocale() {
    static const locale_t classic = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return classic;
}

} // namespace

bool ConvertToken(std::string_view token, long double& value) {
    value = 0;
    if (!HasDecimalNumberForm(token))
        return false;
    thread_local std::string buffer;
    buffer.assign(token);
    const long double converted = strtold_l(buffer.c_str(), nullptr, ClassicLocale());
    if (std::isinf(converted))
        return false; // beyond extended precision; underflow to zero or a subnormal is silent
    value = converted;
    return true;
}

long double ReadNumber(NumericText& text, bool& error) {
    long double value = 0;
    if (!ConvertToken(text.TakeToken(), value))
        error = true;
    return value;
}

} // namespace lumetra
