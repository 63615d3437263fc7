#include "MirroredPlane.h"

namespace lumetra {

int MirroredPlane(const tArrEx& horizontalAngles, int plane) {
    const auto& h = horizontalAngles;
    const int last = static_cast<int>(h.size()) - 1;
    const int mirroredIndex = last - plane;
    const long double mirroredAngle = h.front() + h.back() - h[static_cast<std::size_t>(plane)];
    // The mirrored index first, so that a set with repeated angles keeps the plane it always had.
    if (h[static_cast<std::size_t>(mirroredIndex)] == mirroredAngle)
        return mirroredIndex;
    for (int i = 0; i <= last; ++i)
        if (h[static_cast<std::size_t>(i)] == mirroredAngle)
            return i;
    return mirroredIndex;
}

} // namespace lumetra
