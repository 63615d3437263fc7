#pragma once
// Extended-precision arithmetic that stops at a floating-point fault the way the x87 unit does
// with its invalid-operation, zero-divide and overflow exceptions unmasked: the fault throws
// FloatingPointError carrying the unit's text instead of producing an infinity or a NaN.
// Underflow and inexact results pass silently, as they do there.
//
// A NaN operand counts as an invalid operation. Nothing read from a file is ever a NaN, so this
// only matters for records built by hand; there it keeps a NaN from slipping through the
// comparisons that follow.

#include "data/Errors.h"

#include <cmath>

namespace lumetra {

[[noreturn]] void RaiseInvalidOperation();
[[noreturn]] void RaiseDivisionByZero();
[[noreturn]] void RaiseOverflow();

namespace detail {

// An infinite result from finite operands is an overflow; a NaN result is an invalid operation
// (infinity minus infinity, zero times infinity, a NaN operand).
inline long double CheckedResult(long double result, long double left, long double right) {
    if (std::isnan(result))
        RaiseInvalidOperation();
    if (std::isinf(result) && std::isfinite(left) && std::isfinite(right))
        RaiseOverflow();
    return result;
}

} // namespace detail

inline long double CheckedAdd(long double left, long double right) {
    return detail::CheckedResult(left + right, left, right);
}

inline long double CheckedSubtract(long double left, long double right) {
    return detail::CheckedResult(left - right, left, right);
}

inline long double CheckedMultiply(long double left, long double right) {
    return detail::CheckedResult(left * right, left, right);
}

// The divisor is tested before dividing: 0/0 is an invalid operation, a finite non-zero value
// over 0 a division by zero. An infinite dividend over 0 gives infinity without a fault.
inline long double CheckedDivide(long double dividend, long double divisor) {
    if (std::isnan(dividend) || std::isnan(divisor))
        RaiseInvalidOperation();
    if (divisor == 0) {
        if (dividend == 0)
            RaiseInvalidOperation();
        if (std::isfinite(dividend))
            RaiseDivisionByZero();
    }
    return detail::CheckedResult(dividend / divisor, dividend, divisor);
}

// The square root of a value below zero (negative zero is not below zero) is invalid.
inline long double CheckedSquareRoot(long double value) {
    if (std::isnan(value) || value < 0)
        RaiseInvalidOperation();
    return std::sqrt(value);
}

} // namespace lumetra
