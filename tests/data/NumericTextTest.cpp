#include "data/NumericText.h"

#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>
#include <limits>
#include <locale.h>
#include <string>

namespace lumetra {
namespace {

// --- Which tokens convert -------------------------------------------------------------------

struct Accepted {
    const char* token;
    long double value;
};

class TokenConverts : public ::testing::TestWithParam<Accepted> {};

TEST_P(TokenConverts, ToItsDecimalValue) {
    long double value = -7;
    ASSERT_TRUE(ConvertToken(GetParam().token, value)) << GetParam().token;
    EXPECT_EQ(value, GetParam().value) << GetParam().token;
}

INSTANTIATE_TEST_SUITE_P(Grammar, TokenConverts,
                         ::testing::Values(Accepted{"5", 5}, Accepted{"+5", 5}, Accepted{"-5", -5},
                                           Accepted{"5.", 5}, Accepted{".5", 0.5L},
                                           Accepted{"-.5", -0.5L}, Accepted{"+.5e1", 5},
                                           Accepted{"1e3", 1000}, Accepted{"1E3", 1000},
                                           Accepted{"1e+3", 1000}, Accepted{"25e-1", 2.5L},
                                           Accepted{"0001.2500", 1.25L}, Accepted{"5.E2", 500},
                                           Accepted{"0.1", 0.1L},
                                           Accepted{"3.14159265358979323846264338327950288",
                                                    3.14159265358979323846264338327950288L},
                                           Accepted{"1e-4940", 1e-4940L}));

class TokenFails : public ::testing::TestWithParam<const char*> {};

TEST_P(TokenFails, AndGivesZero) {
    long double value = 42;
    EXPECT_FALSE(ConvertToken(GetParam(), value)) << GetParam();
    EXPECT_EQ(value, 0) << GetParam();
}

INSTANTIATE_TEST_SUITE_P(Grammar, TokenFails,
                         ::testing::Values("", ".", "+", "-", "-.", "e5", ".e5", "1e", "1e+", "1e-",
                                           "1.2.3", "1..2", "++1", "+-1", "1e5.5", "1e2e3", "inf",
                                           "INF", "-inf", "infinity", "nan", "NaN", "0x10", "0x1p3",
                                           "1 2", "1\t", "\t1", "1,5", "1d5", "1f", "1L", "12abc",
                                           "//", "\x1a", "\xd9\xa1" /* Arabic-Indic one */));

// --- Range of extended precision -------------------------------------------------------------

TEST(TokenRange, OverflowFailsToConvert) {
    for (const char* token : {"1e5000", "-1e5000", "1.2e4932", "99999999e4930"}) {
        long double value = 1;
        EXPECT_FALSE(ConvertToken(token, value)) << token;
        EXPECT_EQ(value, 0) << token;
    }
}

TEST(TokenRange, LargestFiniteValuesConvert) {
    long double value = 0;
    ASSERT_TRUE(ConvertToken("1.18e4932", value));
    EXPECT_TRUE(std::isfinite(value));
    EXPECT_GT(value, 1e4931L);
}

TEST(TokenRange, UnderflowIsSilent) {
    long double value = 1;
    EXPECT_TRUE(ConvertToken("1e-5000", value));
    EXPECT_EQ(value, 0);
    EXPECT_TRUE(ConvertToken("-1e-99999999999", value));
    EXPECT_EQ(value, 0);
    EXPECT_TRUE(ConvertToken("1e-4945", value)); // subnormal, kept as far as it can be
    EXPECT_GT(value, 0);
    EXPECT_LT(value, std::numeric_limits<long double>::min());
}

// The decimal separator is "." whatever the user's locale says.
TEST(TokenLocale, PointIsTheSeparatorInACommaLocale) {
    const char* commaLocales[] = {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "fr_FR.utf8"};
    const char* chosen = nullptr;
    for (const char* name : commaLocales) {
        if (locale_t probe = newlocale(LC_NUMERIC_MASK, name, static_cast<locale_t>(nullptr))) {
            freelocale(probe);
            chosen = name;
            break;
        }
    }
    if (chosen == nullptr)
        GTEST_SKIP() << "no locale with a decimal comma is installed";
    const std::string previous = setlocale(LC_NUMERIC, nullptr);
    setlocale(LC_NUMERIC, chosen);
    long double point = 0;
    long double comma = 0;
    const bool pointConverts = ConvertToken("2.5", point);
    const bool commaConverts = ConvertToken("2,5", comma);
    setlocale(LC_NUMERIC, previous.c_str());
    EXPECT_TRUE(pointConverts);
    EXPECT_EQ(point, 2.5L);
    EXPECT_FALSE(commaConverts);
}

// --- Taking tokens off the numeric text ------------------------------------------------------

TEST(ReadNumber, TakesSpaceSeparatedTokensInOrder) {
    NumericText text("  1   2.5 -3e1    ");
    bool error = false;
    EXPECT_EQ(ReadNumber(text, error), 1);
    EXPECT_EQ(ReadNumber(text, error), 2.5L);
    EXPECT_EQ(ReadNumber(text, error), -30);
    EXPECT_FALSE(error);
    EXPECT_TRUE(text.exhausted());
}

TEST(ReadNumber, FailureSetsTheFlagAndReadingGoesOn) {
    NumericText text("1 x 3 ");
    bool error = false;
    EXPECT_EQ(ReadNumber(text, error), 1);
    EXPECT_FALSE(error);
    EXPECT_EQ(ReadNumber(text, error), 0);
    EXPECT_TRUE(error);
    EXPECT_EQ(ReadNumber(text, error), 3);
    EXPECT_TRUE(error) << "a later good number must not clear the flag";
}

TEST(ReadNumber, EveryCallAfterTheLastNumberGivesZeroAndAnError) {
    NumericText text("7  ");
    bool error = false;
    EXPECT_EQ(ReadNumber(text, error), 7);
    for (int i = 0; i < 3; ++i) {
        error = false;
        EXPECT_EQ(ReadNumber(text, error), 0);
        EXPECT_TRUE(error);
    }
}

// Without a space after it, the rest of the text is no token: it is never converted and stays.
TEST(ReadNumber, TextWithoutATrailingSpaceIsNeverTaken) {
    NumericText text("1 2");
    bool error = false;
    EXPECT_EQ(ReadNumber(text, error), 1);
    EXPECT_TRUE(text.exhausted()) << "\"2\" has no space after it";
    EXPECT_EQ(ReadNumber(text, error), 0);
    EXPECT_TRUE(error);
    EXPECT_EQ(ReadNumber(text, error), 0) << "the 2 must still not be read";
}

TEST(ReadNumber, EmptyAndAllSpaceTextsHoldNoNumber) {
    for (const char* raw : {"", "     "}) {
        NumericText text(raw);
        bool error = false;
        EXPECT_TRUE(text.exhausted());
        EXPECT_EQ(ReadNumber(text, error), 0);
        EXPECT_TRUE(error);
    }
}

} // namespace
} // namespace lumetra
