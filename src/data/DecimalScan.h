#pragma once
// Decimal tokens to extended reals quickly, without changing a single bit. A token whose
// significant digits fit a 64-bit integer, scaled by a power of ten that is itself exact in
// extended precision (10^0 to 10^27), needs one multiplication or division of two exact values,
// and the FPU rounds that one operation correctly, just as strtold does. Every other token is
// left to the C library.

#include <cstddef>
#include <string_view>
#include <vector>

namespace lumetra {

enum class DecimalScan {
    Invalid,     // not a whole decimal number
    Exact,       // converted here, correctly rounded
    NeedsLibrary // well formed, but too many digits or too large a power of ten for one operation
};

// Checks the whole token against the decimal form (optional sign, digits with at most one ".",
// at least one digit, then optionally "E"/"e", an optional sign and at least one digit) and,
// when it can, converts it. value is set only for Exact.
DecimalScan ScanDecimal(std::string_view token, long double& value);

// The common case read in one pass over a text of space-separated tokens: an optional "-", then
// digits with at most one "." (nineteen digit characters at most, a fraction of 27 at most),
// ended by a space. When the token at p has that form, sets value exactly as ScanDecimal would
// and returns where the token ends (at the space); otherwise returns nullptr and the caller
// takes the token the general way.
const char* ScanPlainDecimal(const char* p, const char* end, long double& value);

// Reads plain decimals one after another from p, each as ScanPlainDecimal reads it after the
// spaces before it, appending them to values until it holds count of them or the next token has
// another form or is missing. Returns where reading stopped (before that token's spaces) and sets
// lastStart to where the last token it read began. One loop for the bulk of a file's numbers.
const char* ScanPlainDecimals(const char* p, const char* end, std::vector<long double>& values,
                              std::size_t count, const char*& lastStart);

} // namespace lumetra
