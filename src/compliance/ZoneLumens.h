#pragma once
// The ten zones of the BUG rating and their lumens, by the exact integral of the interpolant.

#include "summary/IntensityGrid.h"

#include <array>
#include <cstddef>

namespace lumetra::compliance {

enum BugZone : std::size_t { FL, FM, FH, FVH, BL, BM, BH, BVH, UL, UH, kBugZoneCount };

inline constexpr std::array<const char*, kBugZoneCount> kBugZoneNames{
    "FL", "FM", "FH", "FVH", "BL", "BM", "BH", "BVH", "UL", "UH"};

// A zone's gamma band (degrees from nadir) and its azimuth: front half, back half or all round.
enum class Side { Front, Back, All };
struct ZoneBounds {
    long double From;
    long double To;
    Side Azimuth;
};
inline constexpr std::array<ZoneBounds, kBugZoneCount> kZoneBounds{{{0, 30, Side::Front},
                                                                    {30, 60, Side::Front},
                                                                    {60, 80, Side::Front},
                                                                    {80, 90, Side::Front},
                                                                    {0, 30, Side::Back},
                                                                    {30, 60, Side::Back},
                                                                    {60, 80, Side::Back},
                                                                    {80, 90, Side::Back},
                                                                    {90, 100, Side::All},
                                                                    {100, 180, Side::All}}};

using ZoneFlux = std::array<long double, kBugZoneCount>;

// Lumens in each zone of a periodic (type C) grid, the front half being [front - 90, front + 90].
ZoneFlux ZoneLumensOf(const summary::IntensityGrid& grid, long double front);

} // namespace lumetra::compliance
