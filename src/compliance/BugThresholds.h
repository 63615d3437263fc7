#pragma once
// The BUG threshold table: for each letter, the zones it looks at and their limits in lumens.

#include "ZoneLumens.h"

#include <span>

namespace lumetra::compliance {

inline constexpr int kWorstRating = 5;

// Limits for ratings 0..4; a zone above the limit for 4 rates 5.
struct ThresholdRow {
    BugZone Zone;
    std::array<long double, 5> Limits;
};

inline constexpr std::array<ThresholdRow, 3> kBacklightRows{{
    {BH, {110, 500, 1000, 2500, 5000}},
    {BM, {220, 1000, 2500, 5000, 8500}},
    {BL, {110, 500, 1000, 2500, 5000}},
}};

inline constexpr std::array<ThresholdRow, 2> kUplightRows{{
    {UH, {0, 10, 50, 500, 1000}},
    {UL, {0, 10, 50, 500, 1000}},
}};

// Glare for asymmetric distributions: the back half's high zone held to the backlight limits.
inline constexpr std::array<ThresholdRow, 4> kGlareAsymmetricRows{{
    {FVH, {10, 100, 225, 500, 750}},
    {BVH, {10, 100, 225, 500, 750}},
    {FH, {660, 1800, 5000, 7500, 12000}},
    {BH, {110, 500, 1000, 2500, 5000}},
}};

// Glare for quadrilateral-symmetric distributions: the back half's high zone as the front's.
inline constexpr std::array<ThresholdRow, 4> kGlareSymmetricRows{{
    {FVH, {10, 100, 225, 500, 750}},
    {BVH, {10, 100, 225, 500, 750}},
    {FH, {660, 1800, 5000, 7500, 12000}},
    {BH, {660, 1800, 5000, 7500, 12000}},
}};

// The smallest rating whose limit every row's zone keeps (limits inclusive), else 5.
int RatingOf(std::span<const ThresholdRow> rows, const ZoneFlux& flux);

} // namespace lumetra::compliance
