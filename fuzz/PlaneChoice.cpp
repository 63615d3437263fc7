#include "PlaneChoice.h"

#include <algorithm>

namespace lumetra::fuzz {

std::vector<int> ChoosePlanes(std::size_t planeCount, std::size_t most, std::size_t offset) {
    std::vector<int> planes;
    if (planeCount == 0 || most == 0)
        return planes;
    if (planeCount <= most) {
        for (std::size_t p = 0; p < planeCount; ++p)
            planes.push_back(static_cast<int>(p));
        return planes;
    }
    planes.push_back(0);
    if (most >= 2) {
        // most - 2 planes strictly between the ends, spread evenly and shifted by the offset.
        const std::size_t inner = most - 2;
        const std::size_t span = planeCount - 2; // planes 1 .. planeCount - 2
        for (std::size_t k = 0; k < inner; ++k) {
            const std::size_t p = 1 + (k * span / inner + offset) % span;
            planes.push_back(static_cast<int>(p));
        }
        planes.push_back(static_cast<int>(planeCount - 1));
    }
    std::sort(planes.begin(), planes.end());
    planes.erase(std::unique(planes.begin(), planes.end()), planes.end());
    return planes;
}

std::size_t PlanesWithinBudget(std::size_t valuesPerPlane, std::size_t passes, std::size_t budget,
                               std::size_t most) {
    const std::size_t perPlane =
        std::max<std::size_t>(1, valuesPerPlane) * std::max<std::size_t>(1, passes);
    return std::clamp<std::size_t>(budget / perPlane, 1, std::max<std::size_t>(1, most));
}

} // namespace lumetra::fuzz
