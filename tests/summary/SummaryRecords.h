#pragma once
// Records generated from analytic distributions, for the summary's tests and benchmark.

#include "data/LuminaireFacts.h"
#include "data/Photometry.h"
#include "support/Records.h"

#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <numbers>
#include <optional>
#include <utility>

namespace lumetra::testing {

inline constexpr long double kPi = std::numbers::pi_v<long double>;

inline long double Radians(long double degrees) {
    return degrees * kPi / 180;
}

// EXPECT_NEAR in extended precision.
inline ::testing::AssertionResult Near(long double actual, long double expected, long double tol) {
    if (std::fabs(actual - expected) <= tol)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << static_cast<double>(actual) << " is not within " << static_cast<double>(tol) << " of "
           << static_cast<double>(expected);
}

// Each figure null exactly when expected so, and within tol (absolute, or relative when tol < 0).
inline void ExpectFigures(
    std::initializer_list<std::pair<std::optional<long double>, std::optional<long double>>> pairs,
    long double tol) {
    for (const auto& [actual, expected] : pairs) {
        ASSERT_EQ(actual.has_value(), expected.has_value());
        if (expected) {
            EXPECT_TRUE(Near(*actual, *expected, tol < 0 ? -tol * std::fabs(*expected) : tol));
        }
    }
}

// Angles and analytic distributions (in feet) as every test builds them.
using test::Distribution;
using test::Steps;

inline LuminaireFacts FactsOfType(long double photometricType) {
    LuminaireFacts facts;
    facts.PhotometricType = photometricType;
    return facts;
}

} // namespace lumetra::testing
