#include "StoredPlanes.h"

#include <cmath>

namespace lumetra {

std::size_t StoredPlaneCount(int isym, std::size_t mc) {
    switch (isym) {
    case 1:
        return 1;
    case 2:
    case 3:
        return mc / 2 + 1;
    case 4:
        return mc / 4 + 1;
    default:
        return mc;
    }
}

std::vector<std::size_t> StoredPlaneIndices(int isym, std::size_t mc) {
    const std::size_t first = isym == 3 ? 3 * mc / 4 : 0;
    std::vector<std::size_t> indices(StoredPlaneCount(isym, mc));
    for (std::size_t k = 0; k < indices.size(); ++k)
        indices[k] = (first + k) % mc;
    return indices;
}

long double IesHorizontalAngle(int isym, long double c) {
    if (isym == 1)
        return 0;
    if (isym != 3)
        return c;
    long double angle = std::fmod(180 - c, 360.0L);
    if (angle < 0)
        angle += 360;
    return angle == 360 ? 0 : angle; // a tiny negative remainder rounds up to 360
}

} // namespace lumetra
