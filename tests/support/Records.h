#pragma once
// Records built in code, for tests and benchmarks that need sizes or shapes no sample file has.

#include "data/Photometry.h"

#include <cmath>
#include <utility>
#include <vector>

namespace lumetra::test {

// A record with the given angles and planes, its counts matching them; the plane angles default
// to 0, 1, 2, ... one per plane.
inline tIES MakeRecord(tArrEx verticalAngles, std::vector<tArrEx> planes,
                       tArrEx horizontalAngles = {}) {
    tIES record;
    if (horizontalAngles.empty())
        for (std::size_t h = 0; h < planes.size(); ++h)
            horizontalAngles.push_back(static_cast<long double>(h));
    record.VerticalCount = static_cast<std::uint16_t>(verticalAngles.size());
    record.HorizontalCount = static_cast<std::uint16_t>(horizontalAngles.size());
    record.VerticalAngles = std::move(verticalAngles);
    record.HorizontalAngles = std::move(horizontalAngles);
    record.Candela = std::move(planes);
    return record;
}

// `count` vertical angles evenly spread over 0..180 and the five planes 0, 90, 180, 270, 360,
// each holding a smooth batwing that differs from plane to plane and fades to 0 above 120.
inline tIES GeneratedRecord(int count) {
    tArrEx vertical;
    for (int v = 0; v < count; ++v)
        vertical.push_back(180.0L * v / (count - 1));
    std::vector<tArrEx> planes;
    for (int h = 0; h < 5; ++h) {
        tArrEx plane;
        for (const long double angle : vertical) {
            const long double radians = angle * 3.14159265358979323846L / 180;
            const long double wing = 0.35L + 0.65L * std::pow(std::sin(1.4L * radians), 2);
            plane.push_back(angle > 120 ? 0 : (900 + 60 * h) * wing * std::cos(radians * 0.7L));
        }
        planes.push_back(plane);
    }
    return MakeRecord(std::move(vertical), std::move(planes), {0, 90, 180, 270, 360});
}

} // namespace lumetra::test
