#include "LabelPlacement.h"

#include <algorithm>
#include <cmath>

namespace lumetra::contours {

namespace {

constexpr int kFinestHalving = 5; // candidates at multiples of 1/32 of the line's length

Box Widened(const Box& box, double gap) {
    return {box.left - gap, box.top - gap, box.width + 2 * gap, box.height + 2 * gap};
}

// The fractions 1/2, then 1/4 and 3/4, then the odd eighths, and so on.
std::vector<double> CandidateFractions() {
    std::vector<double> fractions;
    for (int level = 1; level <= kFinestHalving; ++level) {
        const int parts = 1 << level;
        for (int k = 1; k < parts; k += 2)
            fractions.push_back(static_cast<double>(k) / parts);
    }
    return fractions;
}

bool Free(const Box& box, const std::vector<Box>& taken) {
    return std::none_of(taken.begin(), taken.end(),
                        [&box](const Box& t) { return box.Overlaps(t); });
}

std::optional<PlacedLabel> FirstFreePlace(const LabelRequest& request, const Box& bounds,
                                          const std::vector<Box>& taken, double gap) {
    static const std::vector<double> fractions = CandidateFractions();
    for (const double fraction : fractions) {
        const Point anchor = AlongPath(request.path, fraction);
        const Box box = Box::Centred(anchor, request.width, request.height);
        const Box needed = Widened(box, gap);
        if (needed.Inside(bounds) && Free(needed, taken))
            return PlacedLabel{0, box, anchor};
    }
    return std::nullopt;
}

} // namespace

bool Box::Overlaps(const Box& other) const {
    return left < other.Right() && other.left < Right() && top < other.Bottom() &&
           other.top < Bottom();
}

bool Box::Inside(const Box& bounds) const {
    return left >= bounds.left && top >= bounds.top && Right() <= bounds.Right() &&
           Bottom() <= bounds.Bottom();
}

Box Box::Centred(Point centre, double width, double height) {
    return {centre.x - width / 2, centre.y - height / 2, width, height};
}

Point AlongPath(const std::vector<Point>& path, double fraction) {
    if (path.empty())
        return {};
    double total = 0;
    for (std::size_t k = 1; k < path.size(); ++k)
        total += std::hypot(path[k].x - path[k - 1].x, path[k].y - path[k - 1].y);
    double remaining = std::clamp(fraction, 0.0, 1.0) * total;
    for (std::size_t k = 1; k < path.size(); ++k) {
        const double step = std::hypot(path[k].x - path[k - 1].x, path[k].y - path[k - 1].y);
        if (step > 0 && remaining <= step) {
            const double t = remaining / step;
            return {path[k - 1].x + t * (path[k].x - path[k - 1].x),
                    path[k - 1].y + t * (path[k].y - path[k - 1].y)};
        }
        remaining -= step;
    }
    return path.back();
}

std::vector<PlacedLabel> PlaceLabels(const std::vector<LabelRequest>& requests, const Box& bounds,
                                     const std::vector<Box>& keepFree, double gap) {
    std::vector<Box> taken = keepFree;
    std::vector<PlacedLabel> placed;
    for (std::size_t r = 0; r < requests.size(); ++r) {
        auto label = FirstFreePlace(requests[r], bounds, taken, gap);
        if (!label)
            continue;
        label->request = r;
        taken.push_back(label->box);
        placed.push_back(*label);
    }
    return placed;
}

} // namespace lumetra::contours
