#include "DecimalScan.h"

#include <bit>
#include <cstdint>
#include <cstring>

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

// Reads digits from p, clamped; returns where they end.
const char* ReadExponent(const char* p, const char* end, std::int64_t& exponent) {
    exponent = 0;
    for (; p != end && IsDigit(*p); ++p)
        exponent = exponent < kExponentClamp ? exponent * 10 + (*p - '0') : exponent;
    return p;
}

// The digits of the integer part and of the fraction, as one integer and the power of ten that
// scales it, when the significant digits fit; exact is false otherwise.
struct Significand {
    std::uint64_t digits = 0;
    std::int64_t scale = 0;
    bool exact = true;
};

// Any number of digits: leading zeros do not count, and zeros beyond the nineteenth significant
// digit only scale; a nonzero digit there needs the library.
void AddLongDigits(const char* p, const char* end, bool fraction, int& count, Significand& s) {
    for (; p != end; ++p) {
        s.scale -= fraction ? 1 : 0;
        const auto d = static_cast<std::uint64_t>(*p - '0');
        if (count == 0 && d == 0)
            continue;
        if (count < kMaxExactDigits) {
            s.digits = s.digits * 10 + d;
            ++count;
        } else if (d == 0) {
            ++s.scale;
        } else {
            s.exact = false;
        }
    }
}

// Any number of digits, taken again once the single pass found more than nineteen.
Significand ReadLongSignificand(const char* intBegin, const char* intEnd, const char* fracBegin,
                                const char* fracEnd) {
    Significand s;
    int count = 0;
    AddLongDigits(intBegin, intEnd, false, count, s);
    AddLongDigits(fracBegin, fracEnd, true, count, s);
    return s;
}

// Takes digits from p into digits (wrapping harmlessly when there are more than nineteen);
// returns where they end.
const char* AccumulateDigits(const char* p, const char* end, std::uint64_t& digits) {
    for (; p != end && IsDigit(*p); ++p)
        digits = digits * 10 + static_cast<std::uint64_t>(*p - '0');
    return p;
}

// Reads an optional exponent ("e" or "E", a sign, digits) from p; returns where it ends, or
// nullptr when the letter has no digits after it.
const char* ReadExponentPart(const char* p, const char* end, std::int64_t& exponent) {
    exponent = 0;
    if (p == end || (*p != 'e' && *p != 'E'))
        return p;
    const bool negative = ++p != end && *p == '-';
    if (p != end && (*p == '+' || *p == '-'))
        ++p;
    const char* const digitsBegin = p;
    p = ReadExponent(p, end, exponent);
    if (p == digitsBegin)
        return nullptr;
    exponent = negative ? -exponent : exponent;
    return p;
}

long double Scaled(std::uint64_t digits, std::int64_t scale) {
    const auto integer = static_cast<long double>(digits); // exact: 64-bit significand
    return scale >= 0 ? integer * kExactPowersOfTen[scale] : integer / kExactPowersOfTen[-scale];
}

// Eight bytes at p as one integer, the first byte lowest.
std::uint64_t LoadEight(const char* p) {
    std::uint64_t word = 0;
    std::memcpy(&word, p, sizeof word);
    return word;
}

// A nonzero byte for every byte of word that is not a digit. Adding 6 carries out of a byte only
// at 0xFA and above, never a digit, so every byte up to the first non-digit is judged exactly.
std::uint64_t NonDigitBytes(std::uint64_t word) {
    constexpr std::uint64_t kHigh = 0xF0F0F0F0F0F0F0F0;
    constexpr std::uint64_t kThrees = 0x3030303030303030;
    return ((word & kHigh) ^ kThrees) | (((word + 0x0606060606060606) & kHigh) ^ kThrees);
}

// The value of the first count (1 to 8) digits of word. Subtracting "0" borrows only below a
// non-digit, beyond the digits kept; shifting them to the top makes the bytes below them zeros
// in front, and three multiplications add up eight digits at once.
std::uint64_t DigitsValue(std::uint64_t word, int count) {
    std::uint64_t value = (word - 0x3030303030303030) << (8 * (8 - count));
    value = value * 10 + (value >> 8);
    constexpr std::uint64_t kMask = 0x000000FF000000FF;
    constexpr std::uint64_t kHundreds = 100 + (1000000ULL << 32);
    constexpr std::uint64_t kOnes = 1 + (10000ULL << 32);
    return ((value & kMask) * kHundreds + ((value >> 16) & kMask) * kOnes) >> 32;
}

constexpr std::uint64_t kSmallPowersOfTen[] = {1,      10,      100,      1000,     10000,
                                               100000, 1000000, 10000000, 100000000};

// Takes the run of digits at p into digits (wrapping harmlessly beyond nineteen) and adds their
// number to count; returns where the run ends. Eight bytes at a time while eight remain: numbers
// in photometric files run to a dozen digits, one byte at a time only near the text's end.
[[gnu::always_inline]] inline const char* TakeDigitRun(const char* p, const char* end,
                                                       std::uint64_t& digits, std::int64_t& count) {
    if constexpr (std::endian::native == std::endian::little) {
        while (end - p >= 8) {
            const std::uint64_t word = LoadEight(p);
            const std::uint64_t nonDigits = NonDigitBytes(word);
            const int run = nonDigits == 0 ? 8 : std::countr_zero(nonDigits) / 8;
            if (run != 0)
                digits = digits * kSmallPowersOfTen[run] + DigitsValue(word, run);
            p += run;
            count += run;
            if (run < 8)
                return p;
        }
    }
    const char* const begin = p;
    p = AccumulateDigits(p, end, digits);
    count += p - begin;
    return p;
}
} // namespace

DecimalScan ScanDecimal(std::string_view token, long double& value) {
    const char* p = token.data();
    const char* const end = p + token.size();
    const bool negative = p != end && *p == '-';
    if (p != end && (*p == '+' || *p == '-'))
        ++p;
    // One pass takes the digits and checks the form; only more than nineteen digits take another.
    std::uint64_t digits = 0;
    const char* const intBegin = p;
    const char* const intEnd = AccumulateDigits(p, end, digits);
    const char* fracBegin = intEnd;
    const char* fracEnd = intEnd;
    if (intEnd != end && *intEnd == '.') {
        fracBegin = intEnd + 1;
        fracEnd = AccumulateDigits(fracBegin, end, digits);
    }
    if (intBegin == intEnd && fracBegin == fracEnd)
        return DecimalScan::Invalid;
    std::int64_t exponent = 0;
    p = ReadExponentPart(fracEnd, end, exponent);
    if (p == nullptr || p != end)
        return DecimalScan::Invalid;
    Significand s{digits, -(fracEnd - fracBegin), true};
    if ((intEnd - intBegin) + (fracEnd - fracBegin) > kMaxExactDigits)
        s = ReadLongSignificand(intBegin, intEnd, fracBegin, fracEnd);
    s.scale += exponent;
    if (!s.exact || (s.digits != 0 && (s.scale > kMaxExactPower || s.scale < -kMaxExactPower)))
        return DecimalScan::NeedsLibrary;
    const long double magnitude = s.digits == 0 ? 0.0L : Scaled(s.digits, s.scale);
    value = negative ? -magnitude : magnitude;
    return DecimalScan::Exact;
}

namespace {

// ScanPlainDecimal, inlined into the loop over a file's numbers.
[[gnu::always_inline]] inline const char* ScanPlain(const char* p, const char* end,
                                                    long double& value) {
    const bool negative = p != end && *p == '-';
    p += negative ? 1 : 0;
    std::uint64_t digits = 0;
    std::int64_t count = 0;
    const char* const intEnd = TakeDigitRun(p, end, digits, count);
    std::int64_t fraction = 0;
    const char* fracEnd = intEnd;
    if (intEnd != end && *intEnd == '.')
        fracEnd = TakeDigitRun(intEnd + 1, end, digits, fraction);
    count += fraction;
    if (fracEnd == end || *fracEnd != ' ' || count == 0 || count > kMaxExactDigits ||
        fraction > kMaxExactPower)
        return nullptr;
    // A whole number is exact as it is; only a fraction needs the one division.
    const auto integer = static_cast<long double>(digits);
    const long double magnitude = digits == 0     ? 0.0L
                                  : fraction == 0 ? integer
                                                  : integer / kExactPowersOfTen[fraction];
    value = negative ? -magnitude : magnitude;
    return fracEnd;
}

} // namespace

const char* ScanPlainDecimal(const char* p, const char* end, long double& value) {
    return ScanPlain(p, end, value);
}

const char* ScanPlainDecimals(const char* p, const char* end, std::vector<long double>& values,
                              std::size_t count, const char*& lastStart) {
    const char* last = lastStart;
    for (std::size_t left = count > values.size() ? count - values.size() : 0; left != 0; --left) {
        const char* start = p;
        while (start != end && *start == ' ')
            ++start;
        long double value = 0;
        const char* const tokenEnd = ScanPlain(start, end, value);
        if (tokenEnd == nullptr)
            break;
        values.push_back(value);
        last = start;
        p = tokenEnd + 1;
    }
    lastStart = last;
    return p;
}

} // namespace lumetra
