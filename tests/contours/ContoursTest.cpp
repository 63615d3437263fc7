#include "contours/Contours.h"

#include <cmath>
#include <gtest/gtest.h>
#include <random>

namespace lumetra::contours {
namespace {

struct Field {
    std::vector<double> xs;
    std::vector<double> ys;
    std::vector<double> values;

    template <typename F>
    Field(std::vector<double> x, std::vector<double> y, F f) : xs(std::move(x)), ys(std::move(y)) {
        for (const double b : ys)
            for (const double a : xs)
                values.push_back(f(a, b));
    }
    SampledField View() const { return {xs, ys, values}; }
};

std::vector<double> Axis(int count, double from = 0, double step = 1) {
    std::vector<double> axis;
    for (int k = 0; k < count; ++k)
        axis.push_back(from + k * step);
    return axis;
}

TEST(Contours, RampGivesOneOpenStraightLineAcrossTheGrid) {
    const Field field(Axis(4), Axis(5), [](double x, double) { return x; });
    const auto lines = Contours(field.View(), 1.25);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_FALSE(lines[0].closed);
    ASSERT_EQ(lines[0].points.size(), 5u); // one crossing per row of nodes
    for (const Point& p : lines[0].points)
        EXPECT_DOUBLE_EQ(p.x, 1.25);
    const double ends[] = {lines[0].points.front().y, lines[0].points.back().y};
    EXPECT_DOUBLE_EQ(std::min(ends[0], ends[1]), 0);
    EXPECT_DOUBLE_EQ(std::max(ends[0], ends[1]), 4);
}

TEST(Contours, PeakGivesOneClosedRingAroundIt) {
    const Field field(Axis(21, -5, 0.5), Axis(21, -5, 0.5),
                      [](double x, double y) { return 10 - std::hypot(x, y); });
    const auto lines = Contours(field.View(), 7); // radius 3
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_TRUE(lines[0].closed);
    EXPECT_GT(lines[0].points.size(), 12u);
    for (const Point& p : lines[0].points)
        EXPECT_NEAR(std::hypot(p.x, p.y), 3, 0.06);
}

TEST(Contours, TwoPeaksGiveTwoRings) {
    const Field field(Axis(41, -10, 0.5), Axis(11, -2.5, 0.5), [](double x, double y) {
        return std::max(5 - std::hypot(x - 5, y), 5 - std::hypot(x + 5, y));
    });
    const auto lines = Contours(field.View(), 3);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_TRUE(lines[0].closed && lines[1].closed);
    EXPECT_LT(lines[0].points.front().x * lines[1].points.front().x, 0); // one on each side
}

// Corners 1 0 / 0 1: the mean decides whether the high corners stay joined through the centre.
TEST(Contours, SaddleFollowsTheMeanOfItsCorners) {
    const std::vector<double> xs{0, 1}, ys{0, 1};
    const std::vector<double> values{1, 0, 0, 1};
    for (const double level : {0.4, 0.6}) {
        const auto lines = Contours({xs, ys, values}, level);
        ASSERT_EQ(lines.size(), 2u) << level;
        // Each line cuts off one corner: its two points lie on the two edges of that corner.
        for (const ContourLine& line : lines) {
            ASSERT_EQ(line.points.size(), 2u);
            const Point corner{std::round((line.points[0].x + line.points[1].x) / 2),
                               std::round((line.points[0].y + line.points[1].y) / 2)};
            const double value = values[static_cast<std::size_t>(corner.y * 2 + corner.x)];
            // Mean 0.5: at 0.4 the centre is high, so the low corners are cut off; at 0.6 the
            // high ones.
            EXPECT_EQ(value >= level, level > 0.5) << level;
        }
    }
}

TEST(Contours, NoLinesWhereTheLevelIsNotCrossedOrTheGridDoesNotFit) {
    const Field field(Axis(3), Axis(3), [](double x, double y) { return x + y; });
    EXPECT_TRUE(Contours(field.View(), 10).empty());
    EXPECT_TRUE(Contours(field.View(), -1).empty());
    const std::vector<double> shortValues(5, 1.0);
    EXPECT_TRUE(Contours({field.xs, field.ys, shortValues}, 0.5).empty());
    const std::vector<double> one{0}, values{1};
    EXPECT_TRUE(Contours({one, one, values}, 0.5).empty());
}

TEST(Contours, NanNodesCountAsBelowTheLevel) {
    std::vector<double> xs{0, 1, 2}, ys{0, 1};
    std::vector<double> values{1, NAN, 1, 1, 1, 1};
    const auto lines = Contours({xs, ys, values}, 0.5);
    ASSERT_EQ(lines.size(), 1u);
    for (const Point& p : lines[0].points)
        EXPECT_TRUE(std::isfinite(p.x) && std::isfinite(p.y));
}

// On a random field every point lies on a cell edge where the linear interpolant equals the level,
// consecutive points share a cell, and open lines end on the border.
TEST(Contours, RandomFieldLinesAreConsistent) {
    std::mt19937 random(7);
    std::uniform_real_distribution<double> value(0, 1);
    const Field field(Axis(15), Axis(12), [&](double, double) { return value(random); });
    const auto lines = Contours(field.View(), 0.5);
    ASSERT_FALSE(lines.empty());
    auto interpolated = [&](const Point& p) {
        const auto i = static_cast<std::size_t>(std::floor(p.x));
        const auto j = static_cast<std::size_t>(std::floor(p.y));
        const auto at = [&](std::size_t a, std::size_t b) { return field.values[b * 15 + a]; };
        const double fx = p.x - static_cast<double>(i), fy = p.y - static_cast<double>(j);
        if (fy == 0)
            return fx == 0 ? at(i, j) : at(i, j) + fx * (at(i + 1, j) - at(i, j));
        return at(i, j) + fy * (at(i, j + 1) - at(i, j));
    };
    for (const ContourLine& line : lines) {
        for (std::size_t k = 0; k < line.points.size(); ++k) {
            const Point& p = line.points[k];
            EXPECT_TRUE(p.x == std::floor(p.x) || p.y == std::floor(p.y));
            EXPECT_NEAR(interpolated(p), 0.5, 1e-12);
            if (k > 0) {
                EXPECT_LE(std::hypot(p.x - line.points[k - 1].x, p.y - line.points[k - 1].y),
                          std::sqrt(2.0) + 1e-12);
            }
        }
        if (line.closed)
            continue;
        for (const Point& end : {line.points.front(), line.points.back()}) {
            EXPECT_TRUE(end.x == 0 || end.x == 14 || end.y == 0 || end.y == 11);
        }
    }
}

} // namespace
} // namespace lumetra::contours
