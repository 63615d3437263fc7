#pragma once
// The sign of a numeric token's value without converting it, for the check: it needs to know of
// every candela value whether it is a number and whether it is negative, zero or positive, and
// converting a token to an extended value costs a division or multiplication that most of the
// time of checking a large file would go to.

#include <cstddef>
#include <string_view>

namespace lumetra {

// The front of a text read as far as it has the most common form of a number, the plain form: an
// optional "-", then digits with at most one ".".
struct PlainDecimal {
    std::size_t length = 0; // bytes of the plain form
    std::size_t digits = 0; // digits among them
    bool negative = false;
    bool nonzero = false; // a digit other than 0
};

// Reads the text's front in the plain form, stopping at the first byte that cannot continue it.
// Inline, one pass and no arithmetic: it runs once per number of a file, fused into the search
// for the token's end.
inline PlainDecimal ReadPlainDecimal(std::string_view text) {
    const char* const begin = text.data();
    const char* const end = begin + text.size();
    PlainDecimal plain;
    plain.negative = begin != end && *begin == '-';
    const char* p = plain.negative ? begin + 1 : begin;
    bool point = false;
    for (; p != end; ++p) {
        if (*p >= '0' && *p <= '9') {
            ++plain.digits;
            plain.nonzero = plain.nonzero || *p != '0';
        } else if (*p == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    plain.length = static_cast<std::size_t>(p - begin);
    return plain;
}

// Whether ConvertToken converts a token, and the sign of the value it gives. A plain enumeration,
// not an optional: it is returned once per candela value, and GCC passes an optional enumeration
// through memory in a way that stalls the loop.
enum class TokenSign { NotANumber, Negative, Zero, Positive };

// The sign found by converting the token.
TokenSign SignOfConverted(std::string_view token);

// The same, given the token's front as ReadPlainDecimal reads it. A token that is a plain decimal
// of one to nineteen digits (most are) has its sign without being converted: its magnitude is 0
// or lies between 10^-19 and 10^19, so it is never rounded to 0 nor beyond the largest value.
inline TokenSign SignOf(std::string_view token, const PlainDecimal& plain) {
    constexpr std::size_t kMaxPlainDigits = 19;
    if (plain.length != token.size() || plain.digits == 0 || plain.digits > kMaxPlainDigits)
        return SignOfConverted(token);
    if (!plain.nonzero)
        return TokenSign::Zero;
    return plain.negative ? TokenSign::Negative : TokenSign::Positive;
}

} // namespace lumetra
