#include "FigureText.h"

#include "data/Translatable.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace lumetra::properties {

namespace {

// Decimals that show three significant digits of a value below one, at most six.
int DecimalsFor(long double magnitude, int least) {
    int decimals = least;
    if (magnitude > 0 && magnitude < 100) {
        const int leading = static_cast<int>(std::floor(std::log10(magnitude)));
        decimals = std::max(decimals, 2 - leading);
    }
    return std::min(decimals, 6);
}

// Trailing zeros beyond the unit's own decimals say nothing.
void TrimZeros(std::string& digits, int keep) {
    const auto point = digits.find('.');
    if (point == std::string::npos)
        return;
    const std::size_t least = point + static_cast<std::size_t>(keep) + (keep > 0 ? 1 : 0);
    while (digits.size() > least && digits.back() == '0')
        digits.pop_back();
    if (digits.back() == '.')
        digits.pop_back();
}

std::string Grouped(const std::string& integer, const std::string& separator) {
    std::string grouped;
    const std::size_t n = integer.size();
    for (std::size_t i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            grouped += separator;
        grouped += integer[i];
    }
    return grouped;
}

} // namespace

std::string NotAvailableText(const NumberFormat& format) {
    return format.Words(Message("Figures", LUMETRA_TR_NOOP("Figures", "n/a")));
}

std::string SymmetryText(const std::string& name, const NumberFormat& format) {
    return name.empty() ? NotAvailableText(format)
                        : format.Words(Message("Symmetry", name.c_str()));
}

std::string FigureText(std::optional<long double> value, const Unit& unit,
                       const NumberFormat& format) {
    if (!value || !std::isfinite(*value))
        return NotAvailableText(format);
    const long double magnitude = std::fabs(*value);
    const int decimals = DecimalsFor(magnitude, unit.decimals);
    char text[64];
    // Beyond fifteen digits a fixed form says nothing more and would grow without bound.
    if (magnitude >= 1e15L)
        std::snprintf(text, sizeof text, "%.6Lg", magnitude);
    else
        std::snprintf(text, sizeof text, "%.*Lf", decimals, magnitude);
    std::string digits(text);
    std::replace(digits.begin(), digits.end(), ',', '.'); // whatever the C locale says
    if (digits.find('e') != std::string::npos)
        return (*value < 0 ? "-" : "") + digits + (unit.name[0] ? " " : "") + unit.name;
    TrimZeros(digits, unit.decimals);
    const auto point = digits.find('.');
    std::string shown = Grouped(digits.substr(0, point), format.groupSeparator);
    if (point != std::string::npos)
        shown += format.decimalPoint + digits.substr(point + 1);
    const bool negative = *value < 0 && digits.find_first_not_of("0.") != std::string::npos;
    shown = (negative ? "-" : "") + shown;
    if (std::strcmp(unit.name, "°") == 0 || unit.name[0] == '\0')
        return shown + unit.name;
    return shown + " " + unit.name;
}

std::string StoredNumberText(long double value, const std::string& separator) {
    char text[64];
    std::snprintf(text, sizeof text, "%.15Lg", value);
    std::string shown(text);
    const auto point = shown.find_first_of(".,");
    if (point != std::string::npos)
        shown.replace(point, 1, separator);
    return shown;
}

} // namespace lumetra::properties
