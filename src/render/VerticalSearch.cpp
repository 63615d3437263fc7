#include "VerticalSearch.h"

#include <algorithm>
#include <cmath>

namespace lumetra {

VerticalSearch::VerticalSearch(const tArrEx& angles) {
    linear_ =
        std::any_of(angles.begin(), angles.end(), [](long double a) { return std::isnan(a); });
    if (linear_ || angles.empty())
        return;
    runningMax_.resize(angles.size());
    long double peak = angles.front();
    for (std::size_t i = 0; i < angles.size(); ++i) {
        peak = std::max(peak, angles[i]);
        runningMax_[i] = peak;
    }
}

std::size_t VerticalSearch::Stop(const tArrEx& angles, long double g) const {
    if (angles.empty())
        return 0;
    const std::size_t last = angles.size() - 1;
    if (linear_ || runningMax_.size() != angles.size()) {
        std::size_t i = 0;
        while (angles[i] < g && i < last)
            ++i;
        return i;
    }
    // Compared as the linear search compares, angle < g, so a NaN g stops at index 0 there too.
    const auto first =
        std::lower_bound(runningMax_.begin(), runningMax_.end(), g,
                         [](long double angle, long double value) { return angle < value; });
    return std::min(static_cast<std::size_t>(first - runningMax_.begin()), last);
}

} // namespace lumetra
