#include "Curves.h"
#include "Goniogram.h"
#include "data/Errors.h"
#include "data/MirroredPlane.h"

#include <string>

namespace lumetra {

int OppositePlane(const tArrEx& horizontalAngles, int s) {
    const auto& h = horizontalAngles;
    const int n = static_cast<int>(h.size()) - 1;
    if (s < 0 || s > n)
        throw LumetraError("Plane " + std::to_string(s) + " does not exist");
    const long double angle = h[static_cast<std::size_t>(s)];

    // The first plane exactly 180 degrees away; the last plane is never tested, it is the default.
    int i = 0;
    while (i < n && angle != h[static_cast<std::size_t>(i)] - 180 &&
           angle != h[static_cast<std::size_t>(i)] + 180)
        ++i;
    if (n > 0) {
        const long double first = h.front();
        const long double last = h.back();
        if (last == first + 90) // one quadrant: each plane mirrors itself
            i = s;
        if (last == first + 180) // one half: the plane at the mirrored angle
            i = MirroredPlane(h, s);
    }
    return i;
}

int OrthogonalPlane(const tArrEx& horizontalAngles) {
    const auto& h = horizontalAngles;
    if (h.empty())
        return 0;
    const std::size_t n = h.size() - 1;
    std::size_t j = 0;
    while (j < n && h[j] - h[0] != 90)
        ++j;
    return h[j] - h[0] == 90 ? static_cast<int>(j) : 0;
}

} // namespace lumetra
