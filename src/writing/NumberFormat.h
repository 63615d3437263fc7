#pragma once
// Numbers as the writers put them in a file: the shortest decimal that reads back to the same
// value, in positional notation, so that readers which stop at an exponent read them too.

#include <string>
#include <string_view>

namespace lumetra::writing {

// A value read from a file: the shortest positional decimal that the readers convert back to
// exactly this value ("." as the decimal point, no exponent, no trailing zeros, "-0" written "0"),
// the double's shortest form whenever that reads back exactly. A value read as 1234.5 is written
// 1234.5. Not for infinities or NaN (the readers never produce them).
std::string FormatNumber(long double value);

// A value computed here rather than read (a scaled or converted intensity, a ratio): the shortest
// positional decimal of the nearest double, so that 0.5814 is not written 0.58139999999999999997;
// reading it back gives the value within a relative 1e-16.
std::string FormatComputed(long double value);

// The value rounded to nine decimals and brought to the value its shortest decimal reads as, so
// that angles computed by turning and mirroring (87.6 + 90 - 90) are written as they were typed.
long double TidyAngle(long double value);

// True for a plain decimal: an optional "-", digits, and optionally "." and more digits; at least
// one digit, nothing else (no blanks, exponent, comma or "+").
bool IsPlainNumber(std::string_view text);

} // namespace lumetra::writing
