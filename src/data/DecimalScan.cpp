#include "DecimalScan.h"

#include <cstdint>

namespace lumetra {

namespace {

// 10^27 = 2^27 * 5^27 and 5^27 < 2^64: every power up to it has an exact 64-bit significand.
constexpr long double kExactPowersOfTen[] = {1e0L,  1e1L,  1e2L,  1e3L,  1e4L,  1e5L,  1e6L,
                                             1e7L,  1e8L,  1e9L,  1e10L, 1e11L, 1e12L, 1e13L,
                                             1e14L, 1e15L, 1e16L, 1e17L, 1e18L, 1e19L, 1e20L,
                                             1e21L, 1e22L, 1e23L, 1e24L, 1e25L, 1e26L, 1e27L};
constexpr std::int64_t kMaxExactPower = 27;
// 10^19 - 1 < 2^64, so nineteen decimal digits always fit the significand exactly.
constexpr int kMaxExactDigits = 19;
// Exponents beyond this give zero or infinity anyway; clamping keeps the arithmetic bounded.
constexpr std::int64_t kExponentClamp = 1'000'000;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The significant digits of a token as an integer and the power of ten that scales it.
struct Significand {
    std::uint64_t digits = 0;
    int count = 0;          // significant digits held, leading zeros not counted
    std::int64_t scale = 0; // power of ten to apply to digits
    bool exact = true;      // false once a nonzero digit did not fit
    std::size_t seen = 0;   // all digits of the mantissa, zeros included

    void Add(char c, bool fraction) {
        ++seen;
        if (fraction)
            --scale;
        const auto d = static_cast<std::uint64_t>(c - '0');
        if (count == 0 && d == 0)
            return; // a leading zero
        if (count < kMaxExactDigits) {
            digits = digits * 10 + d;
            ++count;
        } else if (d == 0) {
            ++scale; // a trailing zero that does not fit changes only the scale
        } else {
            exact = false;
        }
    }
};

// Reads digits from p, clamped; returns where they end.
const char* ReadExponent(const char* p, const char* end, std::int64_t& exponent) {
    exponent = 0;
    for (; p != end && IsDigit(*p); ++p)
        exponent = exponent < kExponentClamp ? exponent * 10 + (*p - '0') : exponent;
    return p;
}

long double Scaled(std::uint64_t digits, std::int64_t scale) {
    const auto integer = static_cast<long double>(digits); // exact: 64-bit significand
    return scale >= 0 ? integer * kExactPowersOfTen[scale] : integer / kExactPowersOfTen[-scale];
}

} // namespace

DecimalScan ScanDecimal(std::string_view token, long double& value) {
    const char* p = token.data();
    const char* const end = p + token.size();
    bool negative = false;
    if (p != end && (*p == '+' || *p == '-'))
        negative = *p++ == '-';
    Significand s;
    for (; p != end && IsDigit(*p); ++p)
        s.Add(*p, false);
    if (p != end && *p == '.')
        for (++p; p != end && IsDigit(*p); ++p)
            s.Add(*p, true);
    if (s.seen == 0)
        return DecimalScan::Invalid;
    if (p != end && (*p == 'e' || *p == 'E')) {
        ++p;
        const bool negativeExponent = p != end && *p == '-';
        if (p != end && (*p == '+' || *p == '-'))
            ++p;
        std::int64_t exponent = 0;
        const char* const digits = p;
        p = ReadExponent(p, end, exponent);
        if (p == digits)
            return DecimalScan::Invalid;
        s.scale += negativeExponent ? -exponent : exponent;
    }
    if (p != end)
        return DecimalScan::Invalid;
    if (!s.exact || (s.digits != 0 && (s.scale > kMaxExactPower || s.scale < -kMaxExactPower)))
        return DecimalScan::NeedsLibrary;
    const long double magnitude = s.digits == 0 ? 0.0L : Scaled(s.digits, s.scale);
    value = negative ? -magnitude : magnitude;
    return DecimalScan::Exact;
}

} // namespace lumetra
