#include "RoundScale.h"

#include "gonio/NumberText.h"

#include <algorithm>
#include <cmath>

namespace lumetra::diagrams {

namespace {

constexpr double kMultiples[] = {1, 2, 2.5, 5, 10};
// Far beyond any intensity, so that a nonsense value still gives a bounded number of ticks.
constexpr double kLargestValue = 1e30;
constexpr int kMostTicks = 100;

} // namespace

double RoundStep(double largest, int count) {
    if (!(largest > 0) || count < 1)
        return 1;
    const double rough = std::min(largest, kLargestValue) / count;
    const double decade = std::pow(10.0, std::floor(std::log10(rough)));
    for (const double multiple : kMultiples)
        if (multiple * decade >= rough * (1 - 1e-9))
            return multiple * decade;
    return 10 * decade;
}

RoundScale LinearScale(double largest, int count) {
    RoundScale scale;
    if (!(largest > 0) || !std::isfinite(largest))
        largest = 1;
    const double step = RoundStep(largest, count);
    for (int i = 0; i <= kMostTicks; ++i) {
        const double tick = step * i;
        scale.ticks.push_back(tick);
        if (tick >= largest * (1 - 1e-9))
            break;
    }
    scale.top = scale.ticks.back();
    return scale;
}

RoundScale LogScale(double largest, double smallestPositive, int decades) {
    if (!(largest > 0) || !std::isfinite(largest))
        largest = 1;
    const int top = static_cast<int>(std::ceil(std::log10(largest) - 1e-9));
    int bottom = top - std::max(1, decades);
    if (smallestPositive > 0 && std::isfinite(smallestPositive))
        bottom = std::max(bottom, static_cast<int>(std::floor(std::log10(smallestPositive))));
    bottom = std::min(bottom, top - 1);
    RoundScale scale;
    for (int e = bottom; e <= top; ++e)
        scale.ticks.push_back(std::pow(10.0, e));
    scale.bottom = scale.ticks.front();
    scale.top = scale.ticks.back();
    return scale;
}

std::string ValueText(double value) {
    if (value == 0)
        return "0";
    const double digits = std::pow(10.0, 5 - std::floor(std::log10(std::fabs(value))));
    return NumberText(std::round(value * digits) / digits, ".");
}

} // namespace lumetra::diagrams
