#include "gonio/Scale.h"

#include "RecordingSurface.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace lumetra {
namespace {

using test::Op;
using test::RecordingSurface;

struct StepCase {
    long double peak;
    long double decade;
    long double multiplier;
    long double step;
    int count;
};

TEST(ChooseScaleStep, FindsDecadeMultiplierAndRingCount) {
    const StepCase cases[] = {
        {0.5L, 0.01L, 1, 0.1L, 5}, {1, 0.01L, 2, 0.2L, 5},  {2, 0.1L, 1, 1, 2},
        {15, 0.1L, 2, 2, 8},       {19.99L, 0.1L, 3, 3, 7}, {20, 1, 1, 10, 2},
        {85, 1, 1, 10, 8},         {100, 1, 2, 20, 5},      {1000, 1, 12, 120, 8},
        {10000, 1, 118, 1180, 8},
    };
    for (const auto& c : cases) {
        const auto scale = ChooseScaleStep(c.peak);
        ASSERT_TRUE(scale.has_value()) << c.peak;
        EXPECT_NEAR(static_cast<double>(scale->decade), static_cast<double>(c.decade), 1e-15)
            << c.peak;
        EXPECT_EQ(scale->multiplier, c.multiplier) << c.peak;
        EXPECT_NEAR(static_cast<double>(scale->step), static_cast<double>(c.step), 1e-12) << c.peak;
        EXPECT_EQ(scale->count, c.count) << c.peak;
    }
}

// The step search above counted multipliers up from 1; the smallest qualifying one must come out
// for every peak, not only the tabled ones.
TEST(ChooseScaleStep, AgreesWithCountingMultipliersUpFromOne) {
    for (long double peak = 0.013L; peak < 200000; peak *= 1.37L) {
        long double decade = 1;
        while (peak < decade * 2 * 10)
            decade = decade / 10;
        long double m = 1;
        while (std::nearbyintl(peak / ((10 * decade) * m)) > 8)
            m += 1;
        const auto scale = ChooseScaleStep(peak);
        ASSERT_TRUE(scale.has_value()) << peak;
        EXPECT_EQ(scale->multiplier, m) << peak;
        EXPECT_GE(scale->count, 2) << peak;
        EXPECT_LE(scale->count, 8) << peak;
    }
}

TEST(ChooseScaleStep, HugePeaksEndQuicklyWithAtMostEightRings) {
    for (const long double peak :
         {1e15L, 1e19L, 3.3e25L, 1e300L, 1e4000L, std::numeric_limits<long double>::max()}) {
        const auto scale = ChooseScaleStep(peak);
        ASSERT_TRUE(scale.has_value()) << peak;
        EXPECT_GE(scale->count, 2) << peak;
        EXPECT_LE(scale->count, 8) << peak;
        EXPECT_TRUE(std::isfinite(scale->step * scale->count)) << peak;
    }
}

TEST(ChooseScaleStep, PeaksThatCannotBeScaledGiveNone) {
    EXPECT_FALSE(ChooseScaleStep(0).has_value());
    EXPECT_FALSE(ChooseScaleStep(-5).has_value());
    EXPECT_FALSE(ChooseScaleStep(HUGE_VALL).has_value());
    EXPECT_FALSE(ChooseScaleStep(std::nanl("")).has_value());
    // Tiny but positive peaks still get rings while the decade can be formed.
    const auto tiny = ChooseScaleStep(3e-30L);
    ASSERT_TRUE(tiny.has_value());
    EXPECT_GE(tiny->count, 2);
}

TEST(ChooseScaleStep, PeakBelowEveryDecadeGivesNone) {
    // The decade underflows to zero before it reaches the peak; no ring step can be formed.
    EXPECT_FALSE(ChooseScaleStep(std::numeric_limits<long double>::denorm_min()).has_value());
}

// Paint area 196 x 196: centre (98, 98), R = 88.
struct DrawnScale {
    RecordingSurface canvas;
    explicit DrawnScale(long double peak, int size = 196, long double angle = 0,
                        const std::string& separator = ".") {
        canvas.font = Font{"Window", Rgb(7, 7, 7), -11};
        DrawScale(canvas, peak, size / 2, size / 2, 10, angle, separator);
    }
    std::vector<test::Call> Texts() const { return canvas.Of(Op::TextOut); }
};

TEST(DrawScale, RingsAndLabelsDownTheVerticalAxis) {
    DrawnScale scale(100);
    const auto rings = scale.canvas.Of(Op::Ellipse);
    const auto texts = scale.Texts();
    ASSERT_EQ(rings.size(), 6u);
    ASSERT_EQ(texts.size(), 8u);
    const int labelTops[] = {98, 116, 133, 151, 168, 186};
    const char* const labels[] = {"0", "20", "40", "60", "80", "100"};
    for (std::size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(texts[i].x1, 98);
        EXPECT_EQ(texts[i].y1, labelTops[i]);
        EXPECT_EQ(texts[i].text, labels[i]);
        // Each ring and its label follow one another.
        EXPECT_EQ(scale.canvas.calls[2 * i].op, Op::Ellipse);
        EXPECT_EQ(scale.canvas.calls[2 * i + 1].op, Op::TextOut);
    }
    EXPECT_EQ(std::tie(rings[0].x1, rings[0].y1, rings[0].x2, rings[0].y2),
              std::make_tuple(98, 98, 98, 98)); // ring 0: empty, at the centre
    EXPECT_EQ(std::tie(rings[1].x1, rings[1].y1, rings[1].x2, rings[1].y2),
              std::make_tuple(80, 80, 116, 116)); // r = 17.6
    EXPECT_EQ(std::tie(rings[5].x1, rings[5].x2), std::make_tuple(10, 186));
}

TEST(DrawScale, DrawsWithArialBlueClearBrushAndGreyRings) {
    DrawnScale scale(100);
    for (const auto& call : scale.canvas.calls) {
        EXPECT_EQ(call.font.name, "arial");
        EXPECT_EQ(call.font.color, Rgb(0, 0, 255));
        EXPECT_EQ(call.font.height, -11); // spacing 17.6 is not below 13
        EXPECT_EQ(call.brush.style, BrushStyle::Clear);
        EXPECT_EQ(call.pen.color, Rgb(100, 100, 100));
    }
}

TEST(DrawScale, CaptionsInTheTopLeftCorner) {
    DrawnScale scale(1234.5L, 196, 22.5L);
    const auto texts = scale.Texts();
    ASSERT_GE(texts.size(), 2u);
    const auto& caption1 = texts[texts.size() - 2];
    const auto& caption2 = texts.back();
    EXPECT_EQ(caption1.text, "Maximum Intensity =1234.5");
    EXPECT_EQ(std::tie(caption1.x1, caption1.y1), std::make_tuple(5, 5));
    EXPECT_EQ(caption2.text, "Degrees=22.5");
    EXPECT_EQ(caption2.x1, 5);
    EXPECT_EQ(caption2.y1, 5 - caption2.font.height);
}

TEST(DrawScale, CaptionsAndLabelsUseTheDecimalSeparator) {
    DrawnScale scale(1, 196, 22.5L, ",");
    const auto texts = scale.Texts();
    EXPECT_EQ(texts[1].text, "0,2");
    EXPECT_EQ(texts[texts.size() - 2].text, "Maximum Intensity =1");
    EXPECT_EQ(texts.back().text, "Degrees=22,5");
}

TEST(DrawScale, FontShrinksToTheRingSpacing) {
    DrawnScale scale(1000); // spacing 10.56 < 13: height rnd(-8.56) = -9
    const auto texts = scale.Texts();
    ASSERT_EQ(texts.size(), 9u + 2u);
    for (const auto& text : texts)
        EXPECT_EQ(text.font.height, -9);
    EXPECT_EQ(std::tie(texts.back().x1, texts.back().y1), std::make_tuple(5, 14));
    EXPECT_EQ(texts[8].text, "960");
}

TEST(DrawScale, FontNeverReachesZeroHeight) {
    DrawnScale scale(1000, 40); // R = 10, spacing 1.2: rnd(0.8) = 1 becomes -1
    EXPECT_EQ(scale.Texts().back().font.height, -1);
    EXPECT_EQ(scale.Texts().back().y1, 6);
}

TEST(DrawScale, RestoresFontAndBrushStyleButNotPenColour) {
    RecordingSurface canvas;
    canvas.font = Font{"Window", Rgb(7, 7, 7), -11};
    canvas.brush = Brush{Rgb(1, 1, 1), BrushStyle::Solid};
    canvas.pen.color = Rgb(5, 5, 5);
    DrawScale(canvas, 1000, 98, 98, 10, 0, ".");
    EXPECT_EQ(canvas.font, (Font{"Window", Rgb(7, 7, 7), -11}));
    EXPECT_EQ(canvas.brush, (Brush{Rgb(1, 1, 1), BrushStyle::Solid}));
    EXPECT_EQ(canvas.pen.color, Rgb(100, 100, 100));
}

TEST(DrawScale, PeakThatCannotBeScaledDrawsCaptionsOnly) {
    for (const long double peak : {0.0L, -3.0L}) {
        DrawnScale scale(peak, 196, 90);
        EXPECT_TRUE(scale.canvas.Of(Op::Ellipse).empty());
        const auto texts = scale.Texts();
        ASSERT_EQ(texts.size(), 2u);
        EXPECT_EQ(texts[1].text, "Degrees=90");
        EXPECT_EQ(texts[1].font.height, -11);
    }
    DrawnScale zero(0);
    EXPECT_EQ(zero.Texts()[0].text, "Maximum Intensity =0");
}

TEST(DrawScale, HugePeakDrawsAtMostNineRingsWithinTheArea) {
    DrawnScale scale(1e300L);
    const auto rings = scale.canvas.Of(Op::Ellipse);
    ASSERT_GE(rings.size(), 3u);
    ASSERT_LE(rings.size(), 9u);
    EXPECT_GE(rings.back().x1, 0);
    EXPECT_LE(rings.back().x2, 196);
    EXPECT_EQ(scale.Texts()[scale.Texts().size() - 2].text, "Maximum Intensity =1E300");
}

} // namespace
} // namespace lumetra
