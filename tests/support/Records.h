#pragma once
// Records built in code, for tests and benchmarks that need sizes or shapes no sample file has.

#include "data/Photometry.h"

#include <cmath>
#include <cstdint>
#include <functional>
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

// Evenly spaced angles from `from` to `to`, both included.
inline tArrEx Steps(long double from, long double to, long double step) {
    tArrEx angles;
    for (int i = 0; from + i * step <= to + 1e-9L; ++i)
        angles.push_back(from + i * step);
    return angles;
}

// A record holding intensity(h, v) at every stored pair of angles h and v, multiplier 1, its
// lengths in the units of unitsType (1 feet, 2 metres).
inline tIES Distribution(const tArrEx& h, const tArrEx& v,
                         const std::function<long double(long double, long double)>& intensity,
                         std::uint16_t unitsType = 1) {
    tIES record;
    record.CandelaMultiplier = 1;
    record.UnitsType = unitsType;
    record.VerticalAngles = v;
    record.HorizontalAngles = h;
    record.VerticalCount = static_cast<std::uint16_t>(v.size());
    record.HorizontalCount = static_cast<std::uint16_t>(h.size());
    for (const long double c : h) {
        record.Candela.emplace_back();
        for (const long double g : v)
            record.Candela.back().push_back(intensity(c, g));
    }
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
