#include "GlobalMax.h"

#include <algorithm>

namespace lumetra {

void FindGlobalMaxCandela(const tIES& record, int minPlane, int maxPlane, long double& globalMax) {
    const int planeCount = static_cast<int>(record.Candela.size());
    if (planeCount == 0 || minPlane < 0 || minPlane >= planeCount)
        return;
    const tArrEx& first = record.Candela[static_cast<std::size_t>(minPlane)];
    if (first.empty())
        return;
    long double peak = first[0];
    const int lastPlane = std::min(maxPlane, planeCount - 1);
    for (int h = minPlane; h <= lastPlane; ++h)
        for (const long double value : record.Candela[static_cast<std::size_t>(h)])
            if (value > peak)
                peak = value;
    globalMax = peak;
}

} // namespace lumetra
