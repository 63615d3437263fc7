#include "gonio/Curves.h"

#include "RecordingSurface.h"
#include "data/Errors.h"
#include "gonio/Goniogram.h"
#include "support/Records.h"

#include <gtest/gtest.h>
#include <limits>
#include <tuple>

namespace lumetra {
namespace {

using test::Call;
using test::MakeRecord;
using test::Op;
using test::RecordingSurface;

constexpr Color kRed = Rgb(255, 0, 0);
constexpr Color kPale = Rgb(200, 128, 128);

GonioView View(int plane, long double globalMax, bool fit = false, bool ortho = false) {
    GonioView view;
    view.plane = plane;
    view.globalMaxCandela = globalMax;
    view.fit = fit;
    view.ortho = ortho;
    return view;
}

std::vector<std::pair<int, int>> Points(const std::vector<Call>& polyline) {
    std::vector<std::pair<int, int>> points;
    for (const auto& call : polyline)
        points.emplace_back(call.x1, call.y1);
    return points;
}

using PointList = std::vector<std::pair<int, int>>;

struct Drawing {
    RecordingSurface canvas;
    Drawing(const tIES& record, const GonioView& view, int size = 196) {
        DrawIES(canvas, size, size, record, view);
    }
    std::vector<std::vector<Call>> Curves() const { return canvas.Polylines(); }
    std::string Caption(std::size_t fromEnd) const {
        const auto texts = canvas.Of(Op::TextOut);
        return texts.at(texts.size() - 1 - fromEnd).text;
    }
};

TEST(DrawIES, MapsValuesOntoBothHalvesWithNadirDown) {
    const tIES record = MakeRecord({0, 90, 180}, {{50, 50, 50}, {50, 50, 50}}, {0, 180});
    Drawing drawing(record, View(0, 100));
    const auto curves = drawing.Curves();
    ASSERT_EQ(curves.size(), 2u);
    // A move, then lines to every point from the first (a zero-length first line).
    EXPECT_EQ(Points(curves[0]), (PointList{{98, 142}, {98, 142}, {142, 98}, {98, 54}}));
    EXPECT_EQ(Points(curves[1]), (PointList{{98, 142}, {98, 142}, {54, 98}, {98, 54}}));
}

TEST(DrawIES, PeakValueReachesTheScaleRadius) {
    const tIES record = MakeRecord({90}, {{100}}, {0});
    Drawing drawing(record, View(0, 100), 197); // cx = 98: the peak lies 88 pixels out
    const auto curves = drawing.Curves();
    EXPECT_EQ(curves[0].back().x1, 186);
    EXPECT_EQ(curves[1].back().x1, 10);
}

TEST(DrawIES, OppositePlaneGoesOnTheLeft) {
    const tIES record = MakeRecord({90}, {{10}, {20}, {40}, {80}}, {0, 90, 180, 270});
    Drawing drawing(record, View(1, 80));
    const auto curves = drawing.Curves();
    ASSERT_EQ(curves.size(), 2u);
    EXPECT_EQ(curves[0].back().x1, 98 + 22); // plane 1: 20 of 80
    EXPECT_EQ(curves[1].back().x1, 98 - 88); // plane 3: 80 of 80
    EXPECT_EQ(drawing.Caption(0), "Degrees=90");
}

TEST(DrawIES, CurvesInRedWidthTwoOverTheScale) {
    const tIES record = MakeRecord({0, 90}, {{10, 20}}, {0});
    Drawing drawing(record, View(0, 20));
    const auto& calls = drawing.canvas.calls;
    const auto firstMove =
        std::find_if(calls.begin(), calls.end(), [](const Call& c) { return c.op == Op::MoveTo; });
    ASSERT_NE(firstMove, calls.end());
    for (auto it = calls.begin(); it != firstMove; ++it)
        EXPECT_TRUE(it->op == Op::Ellipse || it->op == Op::TextOut || it->op == Op::Lock) << *it;
    for (auto it = firstMove; it != calls.end() - 1; ++it) {
        EXPECT_EQ(it->pen.color, kRed) << *it;
        EXPECT_EQ(it->pen.width, 2) << *it;
    }
    EXPECT_EQ(calls.back().op, Op::Unlock);
}

TEST(DrawIES, PutsBackPenColourWidthAndStyleFontAndBrush) {
    const tIES record = MakeRecord({0, 90}, {{10, 20}}, {0});
    RecordingSurface canvas;
    canvas.pen = Pen{Rgb(1, 2, 3), 1, PenStyle::Dot};
    canvas.font = Font{"Window", Rgb(4, 5, 6), -11};
    canvas.brush = Brush{kClBtnFace, BrushStyle::Solid};
    DrawIES(canvas, 196, 196, record, View(0, 20, false, true));
    EXPECT_EQ(canvas.pen, (Pen{Rgb(1, 2, 3), 1, PenStyle::Dot}));
    EXPECT_EQ(canvas.font, (Font{"Window", Rgb(4, 5, 6), -11}));
    EXPECT_EQ(canvas.brush, (Brush{kClBtnFace, BrushStyle::Solid}));
    // The curves keep the pen style found on the canvas.
    EXPECT_EQ(canvas.Polylines().back().back().pen.style, PenStyle::Dot);
}

TEST(DrawIES, HoldsOneLockAroundTheWholeDrawing) {
    const tIES record = MakeRecord({0, 90}, {{10, 20}}, {0});
    Drawing drawing(record, View(0, 20));
    EXPECT_EQ(drawing.canvas.calls.front().op, Op::Lock);
    EXPECT_EQ(drawing.canvas.calls.back().op, Op::Unlock);
    EXPECT_EQ(drawing.canvas.Of(Op::Lock).size(), 1u);
    EXPECT_EQ(drawing.canvas.lockDepth, 0);
}

TEST(DrawIES, PlaneOutsideTheRecordIsAnErrorAndReleasesTheLock) {
    const tIES record = MakeRecord({0}, {{1}, {2}}, {0, 90});
    RecordingSurface canvas;
    EXPECT_THROW(DrawIES(canvas, 196, 196, record, View(2, 2)), LumetraError);
    EXPECT_THROW(DrawIES(canvas, 196, 196, record, View(-1, 2)), LumetraError);
    EXPECT_EQ(canvas.lockDepth, 0);
    EXPECT_EQ(canvas.deepestLock, 1);
    EXPECT_TRUE(canvas.Of(Op::TextOut).empty());
}

TEST(DrawIES, RecordWithoutPlanesDrawsNothing) {
    RecordingSurface canvas;
    canvas.pen.color = Rgb(9, 9, 9);
    DrawIES(canvas, 196, 196, tIES{}, View(0, 0, true, true));
    ASSERT_EQ(canvas.calls.size(), 2u); // the lock and its release
    EXPECT_EQ(canvas.pen.color, Rgb(9, 9, 9));
}

// Planes 0, 90, 180, 270 with peaks 10, 20, 40, 80: plane 0 pairs with 2, its orthogonal plane
// 1 with 3.
const tIES kFourPlanes =
    MakeRecord({0, 90}, {{5, 10}, {20, 1}, {40, 0}, {3, 80}}, {0, 90, 180, 270});

TEST(DrawIES, FitScalesToThePeakOfTheDrawnPlanes) {
    Drawing fitted(kFourPlanes, View(0, 1000, true));
    EXPECT_EQ(fitted.Caption(1), "Maximum Intensity =40");
    // Plane 2's 40 at the nadir reaches the full radius.
    EXPECT_EQ(fitted.Curves()[1][1].y1, 98 + 88);

    Drawing unfitted(kFourPlanes, View(0, 1000));
    EXPECT_EQ(unfitted.Caption(1), "Maximum Intensity =1000");
    EXPECT_EQ(unfitted.Curves()[1][1].y1, 98 + 4); // 40 of 1000: a weak plane draws small
}

TEST(DrawIES, FitCountsTheOrthogonalPairOnlyAtPlaneZero) {
    Drawing atZero(kFourPlanes, View(0, 1000, true, true));
    EXPECT_EQ(atZero.Caption(1), "Maximum Intensity =80");
    Drawing atTwo(kFourPlanes, View(2, 1000, true, true));
    EXPECT_EQ(atTwo.Caption(1), "Maximum Intensity =40");
    EXPECT_EQ(atTwo.Curves().size(), 2u);
}

TEST(DrawIES, OrthogonalPairFirstInPaleThenMainPairInRed) {
    Drawing drawing(kFourPlanes, View(0, 80, false, true));
    const auto curves = drawing.Curves();
    ASSERT_EQ(curves.size(), 4u);
    EXPECT_EQ(curves[0].back().pen.color, kPale);
    EXPECT_EQ(curves[1].back().pen.color, kPale);
    EXPECT_EQ(curves[2].back().pen.color, kRed);
    EXPECT_EQ(curves[3].back().pen.color, kRed);
    EXPECT_EQ(curves[0].back().x1, 98 + 1);  // plane 1 at 90 degrees: 1 of 80
    EXPECT_EQ(curves[1].back().x1, 98 - 88); // plane 3 at 90 degrees: 80 of 80
    EXPECT_EQ(curves[2].back().x1, 98 + 11); // plane 0: 10 of 80
}

TEST(DrawIES, WithoutAPlaneNinetyDegreesAwayTheOrthogonalPairIsTheMainPair) {
    const tIES record = MakeRecord({0}, {{1}, {2}, {3}, {4}, {5}}, {0, 45, 100, 180, 270});
    Drawing drawing(record, View(0, 5, false, true));
    const auto curves = drawing.Curves();
    ASSERT_EQ(curves.size(), 4u);
    EXPECT_EQ(Points(curves[0]), Points(curves[2]));
    EXPECT_EQ(Points(curves[1]), Points(curves[3]));
}

TEST(DrawIES, SinglePlaneDrawsItselfOnBothSides) {
    const tIES record = MakeRecord({0, 90, 180}, {{10, 10, 10}}, {0});
    Drawing drawing(record, View(0, 10, false, true));
    const auto curves = drawing.Curves();
    ASSERT_EQ(curves.size(), 4u);
    EXPECT_EQ(curves[2][2].x1, 98 + 88);
    EXPECT_EQ(curves[3][2].x1, 98 - 88);
}

TEST(DrawIES, PeakThatCannotScaleDrawsCaptionsButNoRingsOrCurves) {
    const tIES record = MakeRecord({0, 90}, {{0, -4}}, {22.5L});
    for (const bool fit : {true, false}) {
        RecordingSurface canvas;
        canvas.pen = Pen{Rgb(3, 3, 3), 1, PenStyle::Solid};
        DrawIES(canvas, 196, 196, record, View(0, 0, fit));
        EXPECT_TRUE(canvas.Of(Op::Ellipse).empty());
        EXPECT_TRUE(canvas.Polylines().empty());
        const auto texts = canvas.Of(Op::TextOut);
        ASSERT_EQ(texts.size(), 2u);
        EXPECT_EQ(texts[0].text, "Maximum Intensity =0");
        EXPECT_EQ(texts[1].text, "Degrees=22.5");
        EXPECT_EQ(canvas.pen, (Pen{Rgb(3, 3, 3), 1, PenStyle::Solid}));
    }
}

TEST(DrawIES, FitWithoutAnyValuesDrawsCaptionsOnly) {
    const tIES record = MakeRecord({}, {{}, {}}, {0, 180});
    Drawing drawing(record, View(0, 0, true));
    EXPECT_EQ(drawing.Caption(1), "Maximum Intensity =0");
    EXPECT_TRUE(drawing.Curves().empty());
}

TEST(DrawIES, ExtremeValuesStayWithinPixelRange) {
    const long double huge = std::numeric_limits<long double>::max();
    const tIES record = MakeRecord({0, 45, 90}, {{-huge, huge, 1e-30L}}, {0});
    Drawing drawing(record, View(0, 1e-4000L));
    for (const auto& curve : drawing.Curves())
        for (const auto& call : curve) {
            EXPECT_LE(std::abs(call.x1), 1 << 20) << call;
            EXPECT_LE(std::abs(call.y1), 1 << 20) << call;
        }
}

TEST(DrawPlanePair, MissingOrEmptyPlanesAndShortRowsDrawOnlyWhatExists) {
    RecordingSurface canvas;
    const tArrEx vertical{0, 90, 180};
    const tArrEx shortRow{50, 50};
    const tArrEx empty;
    DrawPlanePair(canvas, vertical, &shortRow, nullptr, CurveFrame{98, 98, 88, 88, 100});
    DrawPlanePair(canvas, vertical, &empty, &empty, CurveFrame{98, 98, 88, 88, 100});
    const auto curves = canvas.Polylines();
    ASSERT_EQ(curves.size(), 1u);
    EXPECT_EQ(Points(curves[0]), (PointList{{98, 142}, {98, 142}, {142, 98}}));
}

TEST(DrawPlanePair, NonSquareAreaScalesEachAxisByItsOwnRadius) {
    RecordingSurface canvas;
    const tArrEx vertical{0, 90};
    const tArrEx values{100, 100};
    DrawPlanePair(canvas, vertical, &values, &values, CurveFrame{96, 76, 86, 66, 100});
    const auto curves = canvas.Polylines();
    EXPECT_EQ(Points(curves[0]), (PointList{{96, 142}, {96, 142}, {182, 76}}));
    EXPECT_EQ(Points(curves[1]), (PointList{{96, 142}, {96, 142}, {10, 76}}));
}

TEST(FitPeak, LargestValueOfTheListedPlanes) {
    EXPECT_EQ(FitPeak(kFourPlanes, {0, 2}), 40);
    EXPECT_EQ(FitPeak(kFourPlanes, {0, 2, 1, 3}), 80);
    EXPECT_EQ(FitPeak(MakeRecord({0}, {{-7}}, {0}), {0, 0}), -7);
    EXPECT_FALSE(FitPeak(kFourPlanes, {9}).has_value());
    EXPECT_FALSE(FitPeak(MakeRecord({}, {{}}, {0}), {0}).has_value());
}

} // namespace
} // namespace lumetra
