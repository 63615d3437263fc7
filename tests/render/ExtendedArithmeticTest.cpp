// The x87 unit's verdicts: which operations fault, with which text, and which pass silently.

#include "render/ExtendedArithmetic.h"

#include "RenderTestSupport.h"

#include <cfloat>
#include <gtest/gtest.h>
#include <limits>

namespace lumetra {
namespace {

using test::FaultText;

constexpr long double kInfinity = std::numeric_limits<long double>::infinity();
constexpr long double kNaN = std::numeric_limits<long double>::quiet_NaN();

TEST(ExtendedArithmetic, DivisionTestsItsDivisorFirst) {
    EXPECT_EQ(FaultText([] { CheckedDivide(1, 0); }), kDivisionByZeroText);
    EXPECT_EQ(FaultText([] { CheckedDivide(-3, -0.0L); }), kDivisionByZeroText);
    EXPECT_EQ(FaultText([] { CheckedDivide(0, 0); }), kInvalidOperationText);
    EXPECT_EQ(FaultText([] { CheckedDivide(kInfinity, kInfinity); }), kInvalidOperationText);
    EXPECT_EQ(FaultText([] { CheckedDivide(LDBL_MAX, 0.5L); }), kOverflowText);
    // An infinite dividend over 0 is infinite without a fault, as on the x87 unit.
    EXPECT_EQ(CheckedDivide(kInfinity, 0), kInfinity);
    EXPECT_EQ(CheckedDivide(3, 4), 0.75L);
}

TEST(ExtendedArithmetic, OverflowIsAnInfinityFromFiniteOperands) {
    EXPECT_EQ(FaultText([] { CheckedMultiply(LDBL_MAX, 2); }), kOverflowText);
    EXPECT_EQ(FaultText([] { CheckedAdd(LDBL_MAX, LDBL_MAX); }), kOverflowText);
    EXPECT_EQ(FaultText([] { CheckedSubtract(-LDBL_MAX, LDBL_MAX); }), kOverflowText);
    EXPECT_EQ(CheckedAdd(kInfinity, 1), kInfinity);
    // Beyond double's range but inside extended's: no fault.
    EXPECT_EQ(CheckedMultiply(1e300L, 1e300L), 1e600L);
}

TEST(ExtendedArithmetic, InvalidOperations) {
    EXPECT_EQ(FaultText([] { CheckedSubtract(kInfinity, kInfinity); }), kInvalidOperationText);
    EXPECT_EQ(FaultText([] { CheckedMultiply(0, kInfinity); }), kInvalidOperationText);
    EXPECT_EQ(FaultText([] { CheckedSquareRoot(-1e-30L); }), kInvalidOperationText);
    EXPECT_EQ(FaultText([] { CheckedAdd(kNaN, 1); }), kInvalidOperationText);
    EXPECT_EQ(FaultText([] { CheckedDivide(1, kNaN); }), kInvalidOperationText);
    EXPECT_EQ(CheckedSquareRoot(-0.0L), 0);
    EXPECT_EQ(CheckedSquareRoot(2.25L), 1.5L);
}

TEST(ExtendedArithmetic, UnderflowAndInexactResultsPassSilently) {
    EXPECT_EQ(CheckedMultiply(LDBL_MIN, LDBL_MIN), 0);
    EXPECT_EQ(CheckedDivide(LDBL_TRUE_MIN, 4), 0);
    EXPECT_EQ(CheckedDivide(1, 3), 1.0L / 3);
}

} // namespace
} // namespace lumetra
