// The renderer's pass against the plain algorithm: every grey level of the full 301 x 301 grid,
// and on faulting records the same error text after the same samples.

#include "ReferenceRender.h"
#include "RenderTestSupport.h"
#include "data/Errors.h"
#include "render/LightPattern.h"
#include "render/PixelShade.h"
#include "support/Records.h"

#include <cmath>
#include <gtest/gtest.h>
#include <optional>
#include <random>
#include <string>

namespace lumetra {
namespace {

using test::GeneratedRecord;
using test::LoadSample;
using test::MakeRecord;

struct Outcome {
    LightPatternGrid grid;
    std::optional<std::string> error;
};

// The grid starts filled with a value the pass overwrites, so that after a fault the samples
// written before it can be compared too.
template <typename Renderer>
Outcome RunPass(Renderer render, const tIES& record, const RenderSettings& settings) {
    Outcome outcome;
    outcome.grid.grey.fill(99);
    try {
        render(record, settings, nullptr, outcome.grid);
    } catch (const FloatingPointError& error) {
        outcome.error = error.what();
    }
    return outcome;
}

// Counts the differing grey levels and names the first, so a failure says where to look.
::testing::AssertionResult SamePass(const tIES& record, const RenderSettings& settings) {
    const Outcome fast = RunPass(RenderLightPattern, record, settings);
    const Outcome plain = RunPass(reference::Render, record, settings);
    if (fast.error != plain.error)
        return ::testing::AssertionFailure() << "error " << fast.error.value_or("none")
                                             << " instead of " << plain.error.value_or("none");
    int differing = 0;
    std::string first;
    for (int y = 0; y < kPatternSize; ++y)
        for (int x = 0; x < kPatternSize; ++x)
            if (fast.grid.at(x, y) != plain.grid.at(x, y) && differing++ == 0)
                first = "(" + std::to_string(x) + ", " + std::to_string(y) +
                        "): " + std::to_string(fast.grid.at(x, y)) + " instead of " +
                        std::to_string(plain.grid.at(x, y));
    if (differing > 0)
        return ::testing::AssertionFailure()
               << differing << " grey levels differ, first at " << first;
    return ::testing::AssertionSuccess();
}

std::string Describe(const RenderSettings& s) {
    return "plane " + std::to_string(s.plane) + ", B " +
           std::to_string(static_cast<double>(s.brightness)) + ", Z " +
           std::to_string(static_cast<double>(s.zoom)) + ", R " + std::to_string(s.radiosity);
}

// Brightness and zoom at both ends of their bars and at their defaults, with and without
// radiosity. Brightness 10 at zoom 1 with radiosity puts many shades exactly on a half
// (1275 / sqrt(26 + 10) = 212.5).
std::vector<RenderSettings> SettingsForPlane(int plane) {
    return {{plane, 1.5L, 500, 0},    {plane, 1.5L, 500, 1}, {plane, 0.1L, 1, 0},
            {plane, 10.0L, 10000, 1}, {plane, 10.0L, 1, 1},  {plane, 0.1L, 10000, 0}};
}

void ExpectSameForPlanes(const tIES& record, std::initializer_list<int> planes) {
    for (const int plane : planes)
        for (const RenderSettings& settings : SettingsForPlane(plane))
            EXPECT_TRUE(SamePass(record, settings)) << Describe(settings);
}

class SampleFilePass : public ::testing::TestWithParam<const char*> {};

TEST_P(SampleFilePass, EveryGreyLevelMatchesThePlainPass) {
    const tIES record = LoadSample(GetParam());
    ASSERT_FALSE(record.VerticalAngles.empty());
    const int last = static_cast<int>(record.HorizontalAngles.size()) - 1;
    ExpectSameForPlanes(record, {0, last / 3, last});
}

INSTANTIATE_TEST_SUITE_P(
    Samples, SampleFilePass,
    ::testing::Values("lm2002_181x73_half_degree.ies",         // 0..90, full circle
                      "lm1995_roadway_361x73_crlf.ies",        // 0..180 in half degrees
                      "lm2002_roadway_199x38_crlf.ies",        // uneven angles, half circle
                      "lm1995_bilateral_90_270.ies",           // planes 90..270
                      "lm2002_typeb_flood_quadrant_crlf.ies",  // vertical -90..90, quadrant
                      "lm1995_wall_axial_0_180.ies",           // one plane, negative values
                      "lm2002_roadway_quadrant_more_crlf.ies", // uneven planes ending at 90
                      "lm1995_edited_constant_2x2_crlf.ies"));

TEST(FastPass, MatchesThePlainPassOnGeneratedRecords) {
    ExpectSameForPlanes(GeneratedRecord(721), {0, 1, 4});
    ExpectSameForPlanes(GeneratedRecord(2), {2});
}

TEST(FastPass, MatchesThePlainPassWhenTheAnglesStartAtTheHorizon) {
    // Window 90 <= |x| <= 180: only the upper half is lit, and the centre sample lies outside,
    // where with brightness 1 and radiosity its shade is exactly 127.5, a tie rounded to 128.
    const tIES record = MakeRecord({90, 135, 180}, {{0, 50, 100}, {20, 40, 30}}, {0, 180});
    ExpectSameForPlanes(record, {0, 1});
    const RenderSettings tie{0, 1.0L, 10000, 1};
    EXPECT_TRUE(SamePass(record, tie));
    LightPatternGrid grid;
    RenderLightPattern(record, tie, nullptr, grid);
    EXPECT_EQ(grid.at(150, 150), 128);
}

// Cases built so that a double-precision estimate, trusted blindly, gives another grey level:
// each puts an exact value right at a rounding boundary, a stored angle or the window's edge.
TEST(FastPass, LeavesToExtendedPrecisionWhatDoubleCannotDecide) {
    // The centre sample's shade is 255 * C / 6 with C one extended unit above 1: a hair above
    // 42.5, so 43, where the value rounded to double gives exactly 42.5 and so 42.
    const long double aboveOne = 1 + std::ldexp(1.0L, -62);
    const tIES tie = MakeRecord({0, 1, 90}, {{aboveOne, aboveOne, 6}});
    const RenderSettings settings{0, 1.0L, 500, 0};
    LightPatternGrid grid;
    RenderLightPattern(tie, settings, nullptr, grid);
    EXPECT_EQ(grid.at(150, 150), 43);
    EXPECT_TRUE(SamePass(tie, settings));

    // The same just below 254.5: 255 * (7635 - 2^-48) / 7650 is 254.5 - 1.2e-16, so 254, where
    // in double it comes out a hair above 254.5 and would give 255.
    const long double belowHalf = 7635 - std::ldexp(1.0L, -48);
    const tIES top = MakeRecord({0, 1, 90}, {{belowHalf, belowHalf, 7650}});
    RenderLightPattern(top, settings, nullptr, grid);
    EXPECT_EQ(grid.at(150, 150), 254);
    EXPECT_TRUE(SamePass(top, settings));

    // A pair of equal angles (a jump from 0 to 1000) and the window's upper end placed at, and
    // one unit below, the exact angle of the sample (40, 100). Which side the rounded angle
    // falls on differs between the two, so one of them would fail.
    const long double exact = SampleAngle(40, 100);
    for (const long double angle : {exact, std::nextafter(exact, 0.0L)}) {
        const tIES jump = MakeRecord({0, angle, angle, 90}, {{0, 0, 1000, 1000}});
        EXPECT_TRUE(SamePass(jump, {})) << "jump at " << static_cast<double>(angle);
        const tIES edge = MakeRecord({0, angle}, {{1000, 1000}});
        EXPECT_TRUE(SamePass(edge, {})) << "window ending at " << static_cast<double>(angle);
    }
}

TEST(FastPass, MatchesThePlainPassOnRecordsOutsideItsBounds) {
    // Angles out of order, a single angle, huge and tiny values: the plain pass takes over.
    ExpectSameForPlanes(MakeRecord({0, 50, 20, 90}, {{10, 20, 30, 40}}), {0});
    ExpectSameForPlanes(MakeRecord({45}, {{300}}), {0});
    ExpectSameForPlanes(MakeRecord({0, 45, 90}, {{1e70L, 3e70L, 2e70L}}), {0});
    ExpectSameForPlanes(MakeRecord({0, 45, 90}, {{1e-70L, 3e-70L, 0}}), {0});
    EXPECT_TRUE(SamePass(MakeRecord({0, 90}, {{5, 9}}), {0, 1.5L, 0.0001L, 0}));
    EXPECT_TRUE(SamePass(MakeRecord({0, 90}, {{5, 9}}), {0, 1.5L, 500, 2}));
}

TEST(FastPass, FaultsAtTheSameSampleAsThePlainPass) {
    // Equal first angles: the samples near straight down divide by a zero angle difference.
    EXPECT_TRUE(SamePass(MakeRecord({10, 10, 90}, {{5, 7, 1}}), {}));
    EXPECT_TRUE(SamePass(MakeRecord({10, 10, 90}, {{5, 5, 1}}), {}));
    // A peak of 0, with negative values and with zeros only.
    EXPECT_TRUE(SamePass(MakeRecord({0, 45, 90}, {{-5, -7, -1}}), {}));
    EXPECT_TRUE(SamePass(MakeRecord({0, 45, 90}, {{0, 0, 0}}), {}));
    // A candela difference beyond extended range.
    EXPECT_TRUE(SamePass(MakeRecord({0, 90}, {{-1e4932L, 1e4932L}}), {}));
    // The zoom as a divisor of 0.
    EXPECT_TRUE(SamePass(MakeRecord({0, 90}, {{5, 9}}), {0, 1.5L, 0, 0}));
}

// Random ascending angles, with repeats, steep steps and negative values, at random settings:
// the bounds of the fast pass must hold for shapes no sample file has.
TEST(FastPass, MatchesThePlainPassOnRandomRecords) {
    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> count(2, 40);
    std::uniform_real_distribution<double> step(0, 12);
    std::uniform_real_distribution<double> value(-200, 5000);
    std::bernoulli_distribution rare(0.1);
    for (int run = 0; run < 40; ++run) {
        tArrEx angles{rare(random) ? 90.0L : 0.0L};
        const int n = count(random);
        for (int i = 1; i < n; ++i)
            angles.push_back(angles.back() + (rare(random) ? 0 : step(random)));
        std::vector<tArrEx> planes(2);
        for (auto& plane : planes)
            for (int i = 0; i < n; ++i)
                plane.push_back(rare(random) ? 0 : value(random));
        const tIES record = MakeRecord(angles, planes, {0, 180});
        const RenderSettings settings{run % 2, (1 + run % 100) / 10.0L,
                                      static_cast<long double>(1 + run * 250), run % 3 == 0};
        EXPECT_TRUE(SamePass(record, settings)) << "run " << run << ", " << Describe(settings);
    }
}

} // namespace
} // namespace lumetra
