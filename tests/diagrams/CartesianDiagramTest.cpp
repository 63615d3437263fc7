#include "diagrams/CartesianDiagram.h"

#include "DiagramSamples.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

namespace lumetra::diagrams {
namespace {

using test::HasLabel;
using test::LabelFault;
using test::Op;
using test::RecordingSurface;

constexpr Color kRed = Rgb(200, 0, 0);

Series Beam(double halfWidth, double peak, double from = -180) {
    Series series{"beam", {}, kRed, PenStyle::Solid};
    for (double angle = from; angle <= 180; angle += 1)
        series.points.push_back({angle, peak * std::exp(-std::pow(angle / halfWidth, 2))});
    return series;
}

// The y of every horizontal grid line (a two-point line of equal y in a grey pen).
std::vector<int> GridRows(const RecordingSurface& surface) {
    std::vector<int> rows;
    for (const auto& line : surface.Polylines())
        if (line.size() == 2 && line[0].y1 == line[1].y1 && line[0].pen.color != kRed &&
            line[0].pen.style == PenStyle::Solid && line[0].x1 != line[1].x1)
            rows.push_back(line[0].y1);
    return rows;
}

// The curve's points, without the legend's two-point sample line.
std::vector<test::Call> CurveCalls(const RecordingSurface& surface) {
    std::vector<test::Call> calls;
    for (const auto& line : surface.Polylines())
        if (line.size() > 2 && line[0].pen.color == kRed)
            calls.insert(calls.end(), line.begin(), line.end());
    return calls;
}

int HighestCurvePoint(const RecordingSurface& surface) {
    int top = 1 << 30;
    for (const auto& call : CurveCalls(surface))
        top = std::min(top, call.y1);
    return top;
}

TEST(CartesianDiagram, ARoundPeakTouchesTheTopGridLine) {
    RecordingSurface surface;
    DrawCartesianDiagram(surface, {0, 0, 800, 600}, {Beam(20, 1000)}, {});
    const std::vector<int> rows = GridRows(surface);
    ASSERT_EQ(rows.size(), 6u); // 0, 200, ..., 1000
    EXPECT_EQ(HighestCurvePoint(surface), *std::min_element(rows.begin(), rows.end()));
    for (const char* label : {"0", "200", "1000", "Intensity (cd)", "0\u00b0"})
        EXPECT_TRUE(HasLabel(surface, label)) << label;
    EXPECT_EQ(LabelFault(surface, 800, 600), "");
}

TEST(CartesianDiagram, TheAngleAxisCoversWhereTheLightIs) {
    struct Case {
        double halfWidth, from;
        AngleRange range;
    } const cases[] = {{3, -180, {-10, 10}},
                       {10, -180, {-30, 30}},
                       {60, -180, {-150, 150}},
                       {100, -180, {-180, 180}},
                       {10, 0, {0, 30}}};
    for (const Case& c : cases)
        EXPECT_EQ(LitAngles({Beam(c.halfWidth, 100, c.from)}), c.range) << c.halfWidth;
}

TEST(CartesianDiagram, ALogarithmicAxisShowsDecadesAndKeepsZeroOnTheBottom) {
    RecordingSurface surface;
    DiagramOptions options;
    options.logarithmic = true;
    DrawCartesianDiagram(surface, {0, 0, 900, 600}, {Beam(30, 5000)}, options);
    for (const char* label : {"1", "10", "100", "1000", "10000"})
        EXPECT_TRUE(HasLabel(surface, label)) << label;
    EXPECT_FALSE(HasLabel(surface, "0.1")); // four decades below the peak's decade at most
    const std::vector<int> rows = GridRows(surface);
    int lowest = 0;
    for (const auto& call : CurveCalls(surface))
        lowest = std::max(lowest, call.y1);
    EXPECT_EQ(lowest, *std::max_element(rows.begin(), rows.end()));
}

TEST(CartesianDiagram, LevelMarksAreDottedLinesWithTheirLabels) {
    RecordingSurface surface;
    DiagramOptions options;
    options.levels = {{500, "50 % of peak (beam)"}, {100, "10 % of peak (field)"}};
    DrawCartesianDiagram(surface, {0, 0, 800, 600}, {Beam(20, 1000)}, options);
    EXPECT_TRUE(HasLabel(surface, "50 % of peak (beam)"));
    EXPECT_TRUE(HasLabel(surface, "10 % of peak (field)"));
    const auto dotted =
        std::count_if(surface.calls.begin(), surface.calls.end(), [](const auto& c) {
            return c.op == Op::LineTo && c.pen.style == PenStyle::Dot;
        });
    EXPECT_EQ(dotted, 2);
}

// A level's label sits at the right end of its line unless a curve crosses it there; then it
// moves to the left end, drawn after the curves so no line runs through its text.
TEST(CartesianDiagram, LevelLabelsAvoidTheCurves) {
    const auto labelX = [](const Series& series) {
        RecordingSurface surface;
        DiagramOptions options;
        options.levels = {{500, "50 % of peak (beam)"}};
        DrawCartesianDiagram(surface, {0, 0, 800, 600}, {series}, options);
        for (const auto& call : surface.Of(Op::TextOut))
            if (call.text == "50 % of peak (beam)")
                return call.x1;
        return -1;
    };
    EXPECT_GT(labelX(Beam(20, 1000)), 400); // the curve crosses 500 near the middle only
    Series right{"beam", {}, kRed, PenStyle::Solid};
    for (double angle = -90; angle <= 90; angle += 1)
        right.points.push_back({angle, 1000 * std::exp(-std::pow((angle - 65) / 15, 2))});
    const int x = labelX(right);
    EXPECT_GE(x, 0);
    EXPECT_LT(x, 400);
}

} // namespace
} // namespace lumetra::diagrams
