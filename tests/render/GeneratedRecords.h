#pragma once
// Records built in code, for tests and benchmarks that need sizes or shapes no sample file has.

#include "data/Photometry.h"

#include <cmath>

namespace lumetra::testing {

// `count` vertical angles evenly spread over 0..180 and the five planes 0, 90, 180, 270, 360,
// each holding a smooth batwing that differs from plane to plane and fades to 0 above 120.
inline tIES GeneratedRecord(int count) {
    tIES record;
    record.VerticalCount = static_cast<std::uint16_t>(count);
    record.HorizontalCount = 5;
    record.HorizontalAngles = {0, 90, 180, 270, 360};
    for (int v = 0; v < count; ++v)
        record.VerticalAngles.push_back(180.0L * v / (count - 1));
    for (int h = 0; h < 5; ++h) {
        tArrEx plane;
        for (const long double angle : record.VerticalAngles) {
            const long double radians = angle * 3.14159265358979323846L / 180;
            const long double wing = 0.35L + 0.65L * std::pow(std::sin(1.4L * radians), 2);
            plane.push_back(angle > 120 ? 0 : (900 + 60 * h) * wing * std::cos(radians * 0.7L));
        }
        record.Candela.push_back(plane);
    }
    return record;
}

} // namespace lumetra::testing
