#include "NumericText.h"

#include "DecimalScan.h"

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <locale.h>

namespace lumetra {

bool NumericText::exhausted() const {
    const auto next = text_.find_first_not_of(' ', pos_);
    return next == std::string::npos || text_.find(' ', next) == std::string::npos;
}

// Plain loops: tokens are a few characters long, too short for a library search to pay off.
std::string_view NumericText::TakeToken() {
    const char* const data = text_.data();
    const std::size_t size = text_.size();
    std::size_t start = pos_;
    while (start < size && data[start] == ' ')
        ++start;
    lastTokenStart_ = start;
    pos_ = start;
    std::size_t end = start;
    while (end < size && data[end] != ' ')
        ++end;
    if (end == size)
        return {}; // no space follows: the rest stays where it is
    pos_ = end + 1;
    return {data + start, end - start};
}

bool NumericText::TakeNumber(long double& value) {
    const char* const data = text_.data();
    const std::size_t size = text_.size();
    std::size_t start = pos_;
    while (start < size && data[start] == ' ')
        ++start;
    if (const char* end = ScanPlainDecimal(data + start, data + size, value)) {
        lastTokenStart_ = start;
        pos_ = static_cast<std::size_t>(end - data) + 1;
        return true;
    }
    return ConvertToken(TakeToken(), value);
}

void NumericText::TakePlainNumbers(std::vector<long double>& values, std::size_t count) {
    const char* const data = text_.data();
    const char* lastStart = data + lastTokenStart_;
    const char* const stop =
        ScanPlainDecimals(data + pos_, data + text_.size(), values, count, lastStart);
    pos_ = static_cast<std::size_t>(stop - data);
    lastTokenStart_ = static_cast<std::size_t>(lastStart - data);
}

namespace {

locale_t ClassicLocale() {
    static const locale_t classic = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return classic;
}

// The token has the decimal form already; strtold_l rounds correctly whatever its length.
bool ConvertWithLibrary(std::string_view token, long double& value) {
    thread_local std::string buffer; // keeps its capacity, so only a longer token allocates
    buffer.assign(token);
    const long double converted = strtold_l(buffer.c_str(), nullptr, ClassicLocale());
    if (std::isinf(converted))
        return false; // beyond extended precision; underflow to zero or a subnormal is silent
    value = converted;
    return true;
}

} // namespace

bool ConvertToken(std::string_view token, long double& value) {
    value = 0;
    switch (ScanDecimal(token, value)) {
    case DecimalScan::Invalid:
        return false;
    case DecimalScan::Exact:
        return true;
    case DecimalScan::NeedsLibrary:
        break;
    }
    return ConvertWithLibrary(token, value);
}

long double ReadNumber(NumericText& text, bool& error) {
    long double value = 0;
    if (!text.TakeNumber(value))
        error = true;
    return value;
}

} // namespace lumetra
