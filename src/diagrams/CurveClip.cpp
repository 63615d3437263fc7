#include "CurveClip.h"

#include <algorithm>
#include <cmath>

namespace lumetra::diagrams {

namespace {

bool Within(double angle, double from, double to) {
    return angle >= from && angle <= to;
}

CurvePoint Between(const CurvePoint& a, const CurvePoint& b, double angle) {
    const double span = b.angle - a.angle;
    const double t = span != 0 ? (angle - a.angle) / span : 0;
    return {angle, a.value + t * (b.value - a.value)};
}

// The point where the segment a-b crosses the range's edge nearer to the outside point.
CurvePoint EdgePoint(const CurvePoint& a, const CurvePoint& b, double from, double to) {
    const CurvePoint& outside = Within(a.angle, from, to) ? b : a;
    return Between(a, b, outside.angle < from ? from : to);
}

template <typename Visit>
void ForEachInRange(const std::vector<Series>& series, double from, double to, Visit&& visit) {
    for (const Series& one : series)
        for (const CurvePoint& point : one.points)
            if (Within(point.angle, from, to) && std::isfinite(point.value))
                visit(point.value);
}

} // namespace

std::vector<std::vector<CurvePoint>> ClipToAngles(const std::vector<CurvePoint>& points,
                                                  double from, double to) {
    std::vector<std::vector<CurvePoint>> pieces;
    std::vector<CurvePoint> piece;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const bool inside = Within(points[i].angle, from, to);
        const bool wasInside = i > 0 && Within(points[i - 1].angle, from, to);
        if (i > 0 && inside != wasInside)
            piece.push_back(EdgePoint(points[i - 1], points[i], from, to));
        if (inside)
            piece.push_back(points[i]);
        if (!inside && !piece.empty()) {
            pieces.push_back(piece);
            piece.clear();
        }
    }
    if (!piece.empty())
        pieces.push_back(std::move(piece));
    return pieces;
}

double LargestValue(const std::vector<Series>& series, double from, double to) {
    double largest = 0;
    ForEachInRange(series, from, to,
                   [&largest](double value) { largest = std::max(largest, value); });
    return largest;
}

double SmallestPositive(const std::vector<Series>& series, double from, double to) {
    double smallest = 0;
    ForEachInRange(series, from, to, [&smallest](double value) {
        if (value > 0 && (smallest == 0 || value < smallest))
            smallest = value;
    });
    return smallest;
}

} // namespace lumetra::diagrams
