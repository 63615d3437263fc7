#pragma once
// Records generated from analytic distributions, for the summary's tests and benchmark.

#include "data/LuminaireFacts.h"
#include "data/Photometry.h"

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

// Evenly spaced angles from `from` to `to`, both included.
inline tArrEx Steps(long double from, long double to, long double step) {
    tArrEx angles;
    for (int i = 0; from + i * step <= to + 1e-9L; ++i)
        angles.push_back(from + i * step);
    return angles;
}

// A record holding intensity(h, v) at every stored pair of angles, multiplier 1.
inline tIES Distribution(const tArrEx& h, const tArrEx& v,
                         const std::function<long double(long double, long double)>& intensity) {
    tIES record{
        0, 1, static_cast<std::uint16_t>(v.size()), static_cast<std::uint16_t>(h.size()), 1, v,
        h, {}};
    for (const long double c : h) {
        record.Candela.emplace_back();
        for (const long double g : v)
            record.Candela.back().push_back(intensity(c, g));
    }
    return record;
}

inline LuminaireFacts FactsOfType(long double photometricType) {
    LuminaireFacts facts;
    facts.PhotometricType = photometricType;
    return facts;
}

} // namespace lumetra::testing
