#include "diagrams/PolarDiagram.h"

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

Series Curve(double (*intensity)(double), Color color = kRed) {
    Series series{"curve", {}, color, PenStyle::Solid};
    for (int angle = -180; angle <= 180; angle += 5)
        series.points.push_back({double(angle), intensity(angle)});
    return series;
}

double Uniform(double) {
    return 100;
}

double Downlight(double angle) {
    return std::fabs(angle) < 90 ? 500 * std::cos(angle * 3.14159265358979 / 180) : 0;
}

struct Point {
    int x, y;
};

// The curve's points, without the legend's two-point sample line.
std::vector<Point> CurvePoints(const RecordingSurface& surface, Color color) {
    std::vector<Point> points;
    for (const auto& line : surface.Polylines())
        if (line.size() > 2 && line[0].pen.color == color)
            for (const auto& call : line)
                points.push_back({call.x1, call.y1});
    return points;
}

TEST(PolarDiagram, AUniformCurveIsTheOuterRingWithTheUnitOnIt) {
    RecordingSurface surface;
    DiagramOptions options;
    options.unit = "cd/klm";
    DrawPolarDiagram(surface, {0, 0, 600, 600}, {Curve(Uniform)}, options);
    EXPECT_TRUE(HasLabel(surface, "100 cd/klm"));
    EXPECT_TRUE(HasLabel(surface, "20"));
    for (const char* angle : {"0\u00b0", "30\u00b0", "90\u00b0", "150\u00b0", "180\u00b0"})
        EXPECT_TRUE(HasLabel(surface, angle)) << angle;
    const std::vector<Point> points = CurvePoints(surface, kRed);
    ASSERT_GT(points.size(), 60u);
    const auto [left, right] = std::minmax_element(points.begin(), points.end(),
                                                   [](Point a, Point b) { return a.x < b.x; });
    const double cx = (left->x + right->x) / 2.0;
    const double radius = (right->x - left->x) / 2.0;
    const auto [top, bottom] = std::minmax_element(points.begin(), points.end(),
                                                   [](Point a, Point b) { return a.y < b.y; });
    const double cy = (top->y + bottom->y) / 2.0;
    for (const Point& p : points)
        EXPECT_NEAR(std::hypot(p.x - cx, p.y - cy), radius, 1.5);
    EXPECT_GT(radius, 200); // the circle fills most of the picture
    EXPECT_EQ(LabelFault(surface, 600, 600), "");
}

TEST(PolarDiagram, TheLowerHalfDrawsNothingAboveTheHorizontal) {
    RecordingSurface surface;
    DiagramOptions options;
    options.half = HalfSpace::Lower;
    DrawPolarDiagram(surface, {0, 0, 800, 500}, {Curve(Downlight)}, options);
    const std::vector<Point> points = CurvePoints(surface, kRed);
    ASSERT_FALSE(points.empty());
    const int horizontal = std::min_element(points.begin(), points.end(), [](Point a, Point b) {
                               return a.y < b.y;
                           })->y;
    // The curve's ends lie on the horizontal through the centre, which is also the spokes' start.
    const auto spokes = surface.Of(Op::MoveTo);
    EXPECT_TRUE(std::any_of(spokes.begin(), spokes.end(),
                            [&](const test::Call& c) { return c.y1 == horizontal; }));
    EXPECT_FALSE(HasLabel(surface, "180\u00b0"));
    EXPECT_TRUE(HasLabel(surface, "500 cd"));
    EXPECT_EQ(LabelFault(surface, 800, 500), "");
}

TEST(PolarDiagram, CrowdedAngleLabelsAreThinnedNeverOverlapped) {
    for (const int size : {300, 500, 4000}) {
        RecordingSurface surface;
        DiagramOptions options;
        options.angleStep = 5;
        DrawPolarDiagram(surface, {0, 0, size, size}, {Curve(Downlight)}, options);
        EXPECT_EQ(LabelFault(surface, size, size), "") << size;
        EXPECT_TRUE(HasLabel(surface, "90\u00b0")) << size; // axes first
    }
}

TEST(PolarDiagram, TheLitHalfIsTheOneWithTenTimesTheLight) {
    struct Case {
        double below, above;
        HalfSpace half;
    } const cases[] = {{100, 0, HalfSpace::Lower},
                       {100, 10, HalfSpace::Lower},
                       {100, 11, HalfSpace::Both},
                       {5, 100, HalfSpace::Upper},
                       {0, 0, HalfSpace::Both}};
    for (const Case& c : cases) {
        const Series series{"s", {{-170, c.above}, {-10, c.below}, {10, c.below}, {170, c.above}}};
        EXPECT_EQ(LitHalf({series}), c.half) << c.below << " " << c.above;
    }
}

TEST(PolarDiagram, EverySeriesIsDrawnInItsOwnPenAndNamedInTheLegend) {
    RecordingSurface surface;
    Series second = Curve(Downlight, Rgb(0, 0, 200));
    second.label = "second";
    second.dash = PenStyle::Dash;
    DrawPolarDiagram(surface, {0, 0, 700, 700}, {Curve(Uniform), second}, {});
    EXPECT_TRUE(HasLabel(surface, "curve"));
    EXPECT_TRUE(HasLabel(surface, "second"));
    const auto dashed =
        std::count_if(surface.calls.begin(), surface.calls.end(), [](const auto& c) {
            return c.op == Op::LineTo && c.pen.style == PenStyle::Dash &&
                   c.pen.color == Rgb(0, 0, 200);
        });
    EXPECT_GT(dashed, 30);
}

} // namespace
} // namespace lumetra::diagrams
