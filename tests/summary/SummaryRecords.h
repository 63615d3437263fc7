#pragma once
// Records generated from analytic distributions, for the summary's tests and benchmark.

#include "data/LuminaireFacts.h"
#include "data/Photometry.h"

#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <numbers>

namespace lumetra::testing {

inline constexpr long double kPi = std::numbers::pi_v<long double>;

inline long double Radians(long double degrees) {
    return degrees * kPi / 180;
}

// EXPECT_NEAR in extended precision: |actual - expected| <= tolerance.
inline ::testing::AssertionResult Near(long double actual, long double expected,
                                       long double tolerance) {
    if (std::fabs(actual - expected) <= tolerance)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << static_cast<double>(actual) << " is not within " << static_cast<double>(tolerance)
           << " of " << static_cast<double>(expected);
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
    tIES record;
    record.CandelaMultiplier = 1;
    record.HorizontalAngles = h;
    record.VerticalAngles = v;
    for (const long double c : h) {
        tArrEx plane;
        for (const long double g : v)
            plane.push_back(intensity(c, g));
        record.Candela.push_back(plane);
    }
    record.HorizontalCount = static_cast<std::uint16_t>(h.size());
    record.VerticalCount = static_cast<std::uint16_t>(v.size());
    return record;
}

inline LuminaireFacts FactsOfType(long double photometricType) {
    LuminaireFacts facts;
    facts.PhotometricType = photometricType;
    return facts;
}

} // namespace lumetra::testing
