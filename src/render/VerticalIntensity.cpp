#include "VerticalIntensity.h"

#include "ExtendedArithmetic.h"
#include "data/Errors.h"

#include <cmath>
#include <string>

namespace lumetra {

namespace {

const tArrEx& CheckedPlane(const tIES& record, int h) {
    if (h < 0 || static_cast<std::size_t>(h) >= record.Candela.size())
        throw LumetraError("Plane " + std::to_string(h) + " is not in the photometric data");
    const tArrEx& plane = record.Candela[static_cast<std::size_t>(h)];
    if (record.VerticalAngles.empty() || plane.size() < record.VerticalAngles.size())
        throw LumetraError("Plane " + std::to_string(h) +
                           " holds fewer candela values than there are vertical angles");
    return plane;
}

} // namespace

long double VerticalIntensity(const tIES& record, int h, long double x, const AngleWindow& window) {
    return VerticalIntensity(record, h, x, window, VerticalSearch());
}

long double VerticalIntensity(const tIES& record, int h, long double x, const AngleWindow& window,
                              const VerticalSearch& search) {
    if (!InsideAngleWindow(window, x))
        return 0;
    const tArrEx& candela = CheckedPlane(record, h);
    const tArrEx& angles = record.VerticalAngles;
    const std::size_t last = angles.size() - 1;
    // With one angle there is no segment to interpolate along; its value holds throughout.
    if (last == 0)
        return candela[0];

    const long double g = std::fabs(x);
    std::size_t i = search.Stop(angles, g);
    if (i == 0)
        i = 1;
    const long double slope = CheckedDivide(CheckedSubtract(candela[i], candela[i - 1]),
                                            CheckedSubtract(angles[i], angles[i - 1]));
    return CheckedAdd(CheckedMultiply(CheckedSubtract(g, angles[i - 1]), slope), candela[i - 1]);
}

} // namespace lumetra
