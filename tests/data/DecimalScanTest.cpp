// Converting a token the quick way must give the very bits the C library gives. Every token here
// is converted both ways, by ConvertToken and by strtold_l alone, and the two must agree on
// whether it converts and on all 80 bits of the value. SignOf, which converts only tokens that are
// not plain decimals, must agree as well, on whether it converts and on the value's sign.

#include "data/DecimalScan.h"

#include "data/NumericText.h"
#include "data/TokenSign.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <gtest/gtest.h>
#include <locale.h>
#include <random>
#include <string>
#include <vector>

namespace lumetra {
namespace {

// The C library on its own: the token converts when strtold_l takes all of it to a finite value.
// Tokens here are made of digits, signs, "." and "e", where its grammar and the reader's agree.
bool LibraryConvert(const std::string& token, long double& value) {
    static const locale_t classic = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    value = 0;
    if (token.empty())
        return false;
    char* end = nullptr;
    const long double converted = strtold_l(token.c_str(), &end, classic);
    if (end != token.c_str() + token.size() || std::isinf(converted))
        return false;
    value = converted;
    return true;
}

// The 64-bit significand and the sign and exponent word; the six padding bytes are not compared.
bool SameBits(long double a, long double b) {
    return std::memcmp(&a, &b, 10) == 0;
}

bool SignAgrees(const std::string& token, bool converts, long double library) {
    const TokenSign sign = SignOf(token, ReadPlainDecimal(token));
    if (!converts)
        return sign == TokenSign::NotANumber;
    if (library < 0)
        return sign == TokenSign::Negative;
    return sign == (library > 0 ? TokenSign::Positive : TokenSign::Zero);
}

// Returns the first token on which the ways differ, or nothing.
std::string FirstDisagreement(const std::function<std::string()>& next, int count) {
    for (int i = 0; i < count; ++i) {
        const std::string token = next();
        long double quick = -1;
        long double library = -2;
        const bool quickConverts = ConvertToken(token, quick);
        if (quickConverts != LibraryConvert(token, library) || !SameBits(quick, library) ||
            !SignAgrees(token, quickConverts, library))
            return token;
    }
    return {};
}

__extension__ typedef unsigned __int128 Wide; // products of a significand and a power of five

std::mt19937_64& Random() {
    static std::mt19937_64 random(20261207); // fixed, so that a failure can be repeated
    return random;
}

std::uint64_t Below(std::uint64_t bound) {
    return std::uniform_int_distribution<std::uint64_t>(0, bound - 1)(Random());
}

std::string Digits(std::uint64_t count) {
    std::string digits;
    for (std::uint64_t i = 0; i < count; ++i)
        digits += static_cast<char>('0' + Below(10));
    return digits;
}

// Any shape the grammar allows, and some it does not: signs, leading and trailing zeros, up to
// 25 digits on either side of the point, exponents near the exact powers and far beyond them.
std::string AnyShape() {
    static const char* const kSigns[] = {"", "", "-", "+"};
    static const char* const kExponentMarks[] = {"e", "E", "e+", "e-", "E-"};
    std::string token = kSigns[Below(4)];
    if (Below(4) == 0)
        token += std::string(Below(4), '0');
    token += Digits(Below(26));
    if (Below(2) == 0)
        token += "." + Digits(Below(26));
    if (Below(3) == 0) {
        token += kExponentMarks[Below(5)];
        const std::uint64_t exponent = Below(4) == 0 ? Below(5000) : Below(60);
        token += Below(20) == 0 ? "" : std::to_string(exponent);
    }
    return token;
}

// Exact ties: m * 5^e odd and between 2^64 and 2^65 makes m * 10^e fall halfway between two
// neighbouring extended values, where only ties-to-even decides.
std::string HalfwayProduct() {
    const auto e = static_cast<int>(1 + Below(27));
    Wide five = 1;
    for (int i = 0; i < e; ++i)
        five *= 5;
    const Wide low = ((Wide{1} << 64) + five - 1) / five;
    const Wide high = (Wide{1} << 65) / five;
    auto m = static_cast<std::uint64_t>(low + Below(static_cast<std::uint64_t>(high - low)));
    m |= 1;                            // odd m keeps m * 5^e odd
    m += Below(4) == 0 ? Below(3) : 0; // and some neighbours that are not ties
    const std::string digits = std::to_string(m);
    switch (Below(3)) {
    case 0:
        return digits + std::string(static_cast<std::size_t>(e), '0');
    case 1:
        return digits + "e" + std::to_string(e);
    default:
        return digits.substr(0, 1) + "." + digits.substr(1) + "e" +
               std::to_string(e + static_cast<int>(digits.size()) - 1);
    }
}

// Extended values written back with 18 to 21 significant digits: the neighbourhood of the
// 19-digit limit, mostly near one, some at any exponent from subnormals to the largest finite.
std::string PrintedExtended() {
    const bool nearOne = Below(8) != 0;
    const int exponent =
        nearOne ? static_cast<int>(Below(200)) - 100 : static_cast<int>(Below(32766)) - 16445;
    const long double value =
        std::ldexp(static_cast<long double>(Random()() | (1ULL << 63)), exponent - 63);
    char text[64];
    const int digits = 18 + static_cast<int>(Below(4));
    std::snprintf(text, sizeof text, Below(2) == 0 ? "%.*Le" : "%.*Lg", digits - 1,
                  Below(2) == 0 ? value : -value);
    return text;
}

struct TokenSource {
    const char* name;
    int count;
    std::function<std::string()> next;
};

TEST(DecimalScan, AgreesBitForBitWithTheLibrary) {
    const TokenSource sources[] = {
        {"any shape", 700'000, AnyShape},
        {"halfway products", 250'000, HalfwayProduct},
        {"printed extended values", 250'000, PrintedExtended},
    };
    for (const auto& source : sources)
        EXPECT_EQ(FirstDisagreement(source.next, source.count), "") << source.name;
}

TEST(DecimalScan, EdgeTokensAgreeWithTheLibrary) {
    const char* const tokens[] = {
        // nineteen and twenty digits, and zeros beyond the nineteenth
        "9999999999999999999", "99999999999999999999", "18446744073709551615",
        "18446744073709551616", "18446744073709551617", "10000000000000000000000",
        "1234567890123456789.5", "0.12345678901234567890", "1.5000000000000000000000000000",
        "000000000000000000000000000001.25", "-0.0000000000000000000000000000012",
        // the last exact powers and the first inexact ones
        "1e27", "1e28", "1e-27", "1e-28", "9999999999999999999e27", "9999999999999999999e-27",
        "1e-4951", "3.6451995318824746025e-4951", "1.8225997659412373012e-4951", "1e-5000",
        "1.18973149535723176502e4932", "1.18973149535723176508e4932", "1e4933",
        // zeros keep their sign whatever the exponent
        "0", "-0", "+0", "-0.0e-99999999999999", "0e99999999999999999999", "-.0",
        // the grammar's edges
        "1e", ".", "-", "+", "", "e5", "1e+", "-e", "1.e5", ".5e-3", "+.5", "1.2.3", "--1", "1e-",
        "5.", "00", "-00.00e00",
        // runs of eight digits taken at once, and runs that a non-digit breaks within eight
        "12345678", "123456789", "0.12345678", "1.234567890", "9999999999999999.9", "87654321e-7",
        "1234567:", "1234567/", "1234567.", "1234567e1", ".9876543", "1256.45095535",
        "1234567812345678", "12345678123456781234", "00000000.00000001", "1234567 8", "1234567\x7f",
        "1234567\xb9", "123456\xf9\x39"};
    for (const char* token : tokens) {
        long double quick = -1;
        long double library = -2;
        const bool quickConverts = ConvertToken(token, quick);
        EXPECT_EQ(quickConverts, LibraryConvert(token, library)) << token;
        EXPECT_TRUE(SameBits(quick, library)) << token;
        EXPECT_TRUE(SignAgrees(token, quickConverts, library)) << token;
    }
}

// A text of tokens read front to back by the one-pass reading gives every token's conversion,
// success and bits, and where the token began, as ConvertToken on the token alone.
TEST(DecimalScan, ReadingATextTokenByTokenAgreesWithConvertingEachToken) {
    std::vector<std::string> tokens = {"1234.56",
                                       "-0",
                                       "5.",
                                       ".5",
                                       "-",
                                       ".",
                                       "1.2.3",
                                       "+5",
                                       "00000000000000000001.5",
                                       "0.1234567890123456789",
                                       "1.0000000000000000000000000001",
                                       "12345678901234567891"};
    for (int i = 0; i < 200'000; ++i)
        tokens.push_back(i % 2 == 0 ? AnyShape() : PrintedExtended());
    std::erase(tokens, std::string());
    std::string joined;
    for (const std::string& token : tokens)
        joined += token + (tokens.size() % 2 == 0 ? "  " : " ");
    NumericText text(joined);
    for (const std::string& token : tokens) {
        long double alone = -1;
        long double read = -2;
        const bool converts = ConvertToken(token, alone);
        ASSERT_EQ(text.TakeNumber(read), converts) << token;
        ASSERT_TRUE(SameBits(read, alone)) << token;
        ASSERT_EQ(text.text().compare(text.lastTokenStart(), token.size(), token), 0) << token;
    }
    long double none = -1;
    EXPECT_FALSE(text.TakeNumber(none)) << "the text is used up";
    EXPECT_EQ(none, 0);
}

// Plain decimals as files hold them, read in the one loop that takes eight digits at a time:
// every length of integer part and fraction around the eight-digit steps and the nineteen-digit
// limit, ones that end a few bytes before the text does, and now and then a token of another
// form, which stops the loop and is taken the general way. Every value must have the library's
// bits and every token its place in the list.
std::string PlainToken() {
    std::string token = Below(4) == 0 ? "-" : "";
    token += Digits(Below(13));
    if (Below(4) != 0)
        token += "." + Digits(Below(23));
    if (token.find_first_of("0123456789") == std::string::npos)
        token += Digits(1 + Below(3));
    return Below(50) == 0 ? AnyShape() + "e1" : token;
}

TEST(DecimalScan, ReadingPlainDecimalsInOneLoopAgreesWithTheLibrary) {
    std::vector<std::string> tokens;
    std::string joined;
    for (int i = 0; i < 300'000; ++i) {
        tokens.push_back(PlainToken());
        joined += tokens.back() + std::string(1 + Below(3), ' ');
    }
    NumericText text(joined);
    std::vector<long double> values;
    while (values.size() < tokens.size()) {
        text.TakePlainNumbers(values, tokens.size());
        long double general = -1;
        if (values.size() < tokens.size())
            values.push_back(text.TakeNumber(general) ? general : -3);
    }
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        long double library = -2;
        const bool converts = LibraryConvert(tokens[i], library);
        ASSERT_TRUE(SameBits(values[i], converts ? library : -3)) << tokens[i];
    }
    long double none = -1;
    EXPECT_FALSE(text.TakeNumber(none)) << "the text is used up";
}

TEST(DecimalScan, ReadingPlainDecimalsStopsAtTheCount) {
    NumericText text("1.5 22 333 ");
    std::vector<long double> values;
    text.TakePlainNumbers(values, 2);
    EXPECT_EQ(values, (std::vector<long double>{1.5L, 22}));
    EXPECT_EQ(text.lastTokenStart(), 4u);
    long double next = 0;
    EXPECT_TRUE(text.TakeNumber(next));
    EXPECT_EQ(next, 333);
}

TEST(DecimalScan, TakesTheLibraryOnlyBeyondOneExactOperation) {
    const struct {
        const char* token;
        DecimalScan scan;
    } cases[] = {{"1234.56", DecimalScan::Exact},
                 {"-0.5e-20", DecimalScan::Exact},
                 {"9999999999999999999e27", DecimalScan::Exact},
                 {"12345678901234567890", DecimalScan::Exact}, // its twentieth digit is zero
                 {"12345678901234567891", DecimalScan::NeedsLibrary},
                 {"1e28", DecimalScan::NeedsLibrary},
                 {"1e-28", DecimalScan::NeedsLibrary},
                 {"0e-99999", DecimalScan::Exact},
                 {"1e", DecimalScan::Invalid},
                 {"1,5", DecimalScan::Invalid}};
    for (const auto& c : cases) {
        long double value = 0;
        EXPECT_EQ(ScanDecimal(c.token, value), c.scan) << c.token;
    }
}

} // namespace
} // namespace lumetra
