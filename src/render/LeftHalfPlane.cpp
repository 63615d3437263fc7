#include "LeftHalfPlane.h"

#include "data/Errors.h"
#include "data/MirroredPlane.h"

#include <string>

namespace lumetra {

int LeftHalfPlane(const tArrEx& horizontalAngles, int plane) {
    const int last = static_cast<int>(horizontalAngles.size()) - 1;
    if (plane < 0 || plane > last)
        throw LumetraError("Plane " + std::to_string(plane) + " is not in the photometric data");
    const auto angle = [&horizontalAngles](int index) {
        return horizontalAngles[static_cast<std::size_t>(index)];
    };

    int opposite = 0;
    while (opposite < last) {
        if (angle(plane) == angle(opposite) - 180 || angle(plane) == angle(opposite) + 180)
            break;
        ++opposite;
    }
    if (last > 0) {
        if (angle(last) == 90)
            opposite = plane;
        if (angle(last) == 180)
            opposite = MirroredPlane(horizontalAngles, plane);
    }
    return opposite;
}

} // namespace lumetra
