#include "GlobalMax.h"

#include <algorithm>

namespace lumetra {

void FindGlobalMaxCandela(const tIES& record, int minPlane, int maxPlane, long double& globalMax) {
    const int planeCount = static_cast<int>(record.Candela.size());
    const int first = std::max(minPlane, 0);
    const int last = std::min(maxPlane, planeCount - 1);
    // The start value is a value of the file, never 0, so that all-negative planes give their
    // largest value; with no value in range there is nothing to start from.
    bool found = false;
    long double peak = 0;
    for (int h = first; h <= last; ++h) {
        for (const long double value : record.Candela[static_cast<std::size_t>(h)]) {
            if (!found || value > peak)
                peak = value;
            found = true;
        }
    }
    if (found)
        globalMax = peak;
}

void FindPeakOfAllPlanes(const tIES& record, long double& globalMax) {
    FindGlobalMaxCandela(record, 0, static_cast<int>(record.Candela.size()) - 1, globalMax);
}

} // namespace lumetra
