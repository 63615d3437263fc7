#pragma once
// Records for the compliance tests: analytic distributions and the sample files.

#include "data/LuminaireFacts.h"
#include "data/Photometry.h"
#include "eulumdat/PhotometryFile.h"
#include "support/Records.h"

#include <cmath>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <numbers>
#include <string>

namespace lumetra::testing {

inline constexpr long double kPi = std::numbers::pi_v<long double>;

inline long double CosDegrees(long double degrees) {
    return std::cos(degrees * kPi / 180);
}

// |actual - expected| within relative tol of expected (absolute tol when expected is 0).
inline ::testing::AssertionResult Close(long double actual, long double expected,
                                        long double tol = 1e-12L) {
    const long double bound = expected == 0 ? tol : tol * std::fabs(expected);
    if (std::fabs(actual - expected) <= bound)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << static_cast<double>(actual) << " differs from " << static_cast<double>(expected);
}

using test::Steps;

// A type C record holding intensity(C, gamma) at every stored pair, in metres.
inline tIES Distribution(const tArrEx& h, const tArrEx& v,
                         const std::function<long double(long double, long double)>& intensity) {
    return test::Distribution(h, v, intensity, 2);
}

inline LuminaireFacts TypeCFacts() {
    LuminaireFacts facts;
    facts.PhotometricType = 1;
    return facts;
}

struct LoadedSample {
    tIES Record;
    LuminaireFacts Facts;
    bool Loaded = false;
};

// A sample file as the viewer loads it; Loaded false when it cannot be read.
inline LoadedSample LoadSample(const std::string& path) {
    LoadedSample sample;
    TextLines lines, header;
    try {
        LoadPhotometryFile(
            path, sample.Record, lines, header, [](const Message&) {}, sample.Facts);
        sample.Loaded = true;
    } catch (const std::exception&) {
    }
    return sample;
}

} // namespace lumetra::testing
