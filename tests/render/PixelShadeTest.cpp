// One sample's grey level: its angle, shading, rounding and faults, and the pass values it uses.

#include "render/PixelShade.h"

#include "RenderTestSupport.h"
#include "data/Errors.h"
#include "render/LightPatternPass.h"

#include <gtest/gtest.h>

namespace lumetra {
namespace {

using test::FaultText;
using test::MakeRecord;

std::uint8_t Shade(const tIES& record, int a, int b, RenderSettings settings = {}) {
    return PixelShade(PrepareLightPatternPass(record, settings), a, b);
}

TEST(SampleAngle, IsTheArcTangentTurnedByTheFixedOffset) {
    constexpr long double offset = 1.5L - kHalfPi; // -0.0707963...
    EXPECT_NEAR(static_cast<double>(offset), -0.07079632679489656, 1e-16);
    EXPECT_EQ(SampleAngle(0, 5), offset);
    EXPECT_EQ(SampleAngle(0, 0), offset);
    EXPECT_NEAR(static_cast<double>(SampleAngle(7, 0)), 89.92920367320510, 1e-13);
    EXPECT_NEAR(static_cast<double>(SampleAngle(-7, 0)), -90.07079632679490, 1e-13);
    EXPECT_NEAR(static_cast<double>(SampleAngle(0, -5)), 179.92920367320510, 1e-13);
    EXPECT_NEAR(static_cast<double>(SampleAngle(3, 3)), 44.92920367320510, 1e-13);
}

TEST(PixelShade, ShadesByIntensityAndDistance) {
    const tIES constant = MakeRecord({0, 180}, {{100, 100}});
    EXPECT_EQ(Shade(constant, 0, 0), 255);  // 255 * sqrt(1.5) = 312.3...
    EXPECT_EQ(Shade(constant, 100, 0), 82); // 82.49...
    const tIES halfBelow = MakeRecord({0, 90, 180}, {{50, 50, 100}});
    EXPECT_EQ(Shade(halfBelow, 0, 100), 41);
}

TEST(PixelShade, RadiosityLightsWhatTheWindowLeavesDark) {
    const tIES narrow = MakeRecord({0, 10}, {{100, 100}});
    const RenderSettings radiosity{0, 1.5L, 500, 1};
    EXPECT_EQ(Shade(narrow, 100, 0, radiosity), 41);
    EXPECT_EQ(Shade(narrow, 150, 150, radiosity), 20);
    EXPECT_EQ(Shade(narrow, 100, 0), 0);
    // Inside the window the two terms add: (1 + 1) * 127.5 * 1.5 / sqrt(20 + 1.5).
    EXPECT_EQ(Shade(narrow, 0, 100, radiosity), 82);
}

TEST(PixelShade, ReadsTheOppositePlaneLeftOfTheCentreColumn) {
    // Planes 0 and 180 of a half circle: plane 1 is opposite plane 0.
    const tIES record = MakeRecord({0, 180}, {{100, 100}, {25, 25}}, {0, 180});
    EXPECT_EQ(Shade(record, 100, 0), 82);
    EXPECT_EQ(Shade(record, -100, 100), 15); // 0.25 * 382.5 / sqrt(40 + 1.5) = 14.8
    EXPECT_EQ(Shade(record, 0, 100), 82);    // the centre column reads plane 0
}

TEST(PixelShade, BrightnessScalesAndZoomSpreadsTheFalloff) {
    const tIES constant = MakeRecord({0, 180}, {{100, 100}});
    // B = 10: 2550 / sqrt(10000 / 10000 + 10) = 768.8 -> 255; B = 0.1: 25.5 / sqrt(1.1) = 24.3.
    EXPECT_EQ(Shade(constant, 100, 0, {0, 10, 10000, 0}), 255);
    EXPECT_EQ(Shade(constant, 100, 0, {0, 0.1L, 10000, 0}), 24);
    // Zoom 1: 382.5 / sqrt(10000 + 1.5) = 3.82.
    EXPECT_EQ(Shade(constant, 100, 0, {0, 1.5L, 1, 0}), 4);
}

TEST(PixelShade, FaultsOnAPeakOfZeroOrAZoomOfZero) {
    const tIES negative = MakeRecord({0, 90}, {{-5, -10}});
    EXPECT_EQ(FaultText([&] { Shade(negative, 10, 10); }), kDivisionByZeroText);
    const tIES dark = MakeRecord({0, 90}, {{0, 0}});
    EXPECT_EQ(FaultText([&] { Shade(dark, 10, 10); }), kInvalidOperationText);
    const tIES constant = MakeRecord({0, 180}, {{100, 100}});
    EXPECT_EQ(FaultText([&] { Shade(constant, 10, 10, {0, 1.5L, 0, 0}); }), kDivisionByZeroText);
    EXPECT_EQ(FaultText([&] { Shade(constant, 0, 0, {0, 1.5L, 0, 0}); }), kInvalidOperationText);
    EXPECT_EQ(FaultText([&] {
                  Shade(constant, 10, 10, {0, -1.5L, 1e9L, 0});
              }),
              kInvalidOperationText); // the root of a negative value
}

TEST(GreyLevel, RoundsHalvesToEvenAndClampsAbove255) {
    EXPECT_EQ(GreyLevel(254.5L), 254);
    EXPECT_EQ(GreyLevel(253.5L), 254);
    EXPECT_EQ(GreyLevel(255), 255);
    EXPECT_EQ(GreyLevel(255.0001L), 255);
    EXPECT_EQ(GreyLevel(1e300L), 255);
    EXPECT_EQ(GreyLevel(0.5L), 0);
    EXPECT_EQ(GreyLevel(0.5000001L), 1);
    EXPECT_EQ(GreyLevel(2.5L), 2);
    EXPECT_EQ(GreyLevel(0), 0);
}

TEST(LightPatternPass, ComputesThePerPassValues) {
    const tIES record = MakeRecord({90, 135, 180}, {{1, 2, 3}, {4, 5, 6}, {9, 9, 9}}, {0, 90, 180});
    const LightPatternPass pass = PrepareLightPatternPass(record, {0, 2.5L, 77, 1});
    EXPECT_EQ(pass.leftPlane, 2);
    EXPECT_EQ(pass.peak, 9);
    EXPECT_EQ(pass.window.lower, 90);
    EXPECT_EQ(pass.window.upper, 180);
    EXPECT_EQ(pass.brightness, 2.5L);
    EXPECT_EQ(pass.zoom, 77);
    EXPECT_EQ(pass.radiosity, 1);
}

TEST(LightPatternPass, RefusesRecordsItCannotRenderSafely) {
    EXPECT_THROW(PrepareLightPatternPass(tIES{}, {}), LumetraError);
    EXPECT_THROW(PrepareLightPatternPass(MakeRecord({}, {{}}), {}), LumetraError);
    const tIES record = MakeRecord({0, 90}, {{1, 2}, {3}}, {0, 180});
    EXPECT_THROW(PrepareLightPatternPass(record, {5, 1.5L, 500, 0}), LumetraError);
    // Plane 1, opposite plane 0, is one value short.
    EXPECT_THROW(PrepareLightPatternPass(record, {0, 1.5L, 500, 0}), LumetraError);
    // More angles than planes hold values lists for.
    const tIES planeless = MakeRecord({0, 90}, {{1, 2}}, {0, 90, 180});
    EXPECT_THROW(PrepareLightPatternPass(planeless, {1, 1.5L, 500, 0}), LumetraError);
}

} // namespace
} // namespace lumetra
