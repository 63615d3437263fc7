#include "NumberText.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string_view>

namespace lumetra {

namespace {

constexpr int kSignificantDigits = 15;

// The value rounded to 15 significant digits: its digits without trailing zeros and the decimal
// exponent of the first one.
struct Significand {
    std::string digits;
    int exponent = 0;
};

Significand RoundToSignificant(long double magnitude) {
    // to_chars never consults the C locale, which the GUI sets from the environment.
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, magnitude,
                                      std::chars_format::scientific, kSignificantDigits - 1);
    const std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));
    const auto e = text.find('e');
    Significand significand;
    for (const char c : text.substr(0, e))
        if (c != '.')
            significand.digits += c;
    significand.digits.erase(significand.digits.find_last_not_of('0') + 1);
    significand.exponent = std::atoi(std::string(text.substr(e + 1)).c_str());
    return significand;
}

std::string FixedText(const Significand& number, const std::string& separator) {
    const std::string& digits = number.digits;
    if (number.exponent < 0)
        return "0" + separator + std::string(static_cast<std::size_t>(-number.exponent - 1), '0') +
               digits;
    const auto integerDigits = static_cast<std::size_t>(number.exponent) + 1;
    if (digits.size() <= integerDigits)
        return digits + std::string(integerDigits - digits.size(), '0');
    return digits.substr(0, integerDigits) + separator + digits.substr(integerDigits);
}

std::string ScientificText(const Significand& number, const std::string& separator) {
    std::string text = number.digits.substr(0, 1);
    if (number.digits.size() > 1)
        text += separator + number.digits.substr(1);
    return text + "E" + std::to_string(number.exponent);
}

} // namespace

std::string NumberText(long double value, const std::string& decimalSeparator) {
    if (std::isnan(value))
        return "NAN";
    if (std::isinf(value))
        return value < 0 ? "-INF" : "INF";
    if (value == 0)
        return "0";
    const Significand number = RoundToSignificant(std::fabs(value));
    // Decided on the rounded value, so 999999999999999.9 becomes 1E15, not sixteen digits.
    const bool fixed = number.exponent >= -4 && number.exponent < kSignificantDigits;
    const std::string text =
        fixed ? FixedText(number, decimalSeparator) : ScientificText(number, decimalSeparator);
    return value < 0 ? "-" + text : text;
}

} // namespace lumetra
