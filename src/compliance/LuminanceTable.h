#pragma once
// Luminance of the luminous opening at the angles indoor glare limits are checked at: C0..C315 by
// 45 degrees, gamma 45..85 by 5 degrees; intensity over projected area, in cd/m^2.

#include "OpeningArea.h"
#include "data/LuminaireFacts.h"
#include "data/Photometry.h"

#include <array>
#include <optional>
#include <string>

namespace lumetra::compliance {

inline constexpr std::array<int, 8> kLuminancePlanes{0, 45, 90, 135, 180, 225, 270, 315};
inline constexpr std::array<int, 9> kLuminanceGammas{45, 50, 55, 60, 65, 70, 75, 80, 85};

using LuminanceRow = std::array<std::optional<long double>, kLuminanceGammas.size()>;

struct LuminanceCell {
    std::size_t Plane = 0; // index into kLuminancePlanes
    std::size_t Gamma = 0; // index into kLuminanceGammas
};

struct LuminanceTable {
    PhotometricKind Type = PhotometricKind::Unknown;
    bool Available = false; // type C (or unknown) with photometric data
    Opening Shape;
    std::array<LuminanceRow, kLuminancePlanes.size()> Values; // Values[plane][gamma]
    std::optional<long double> Max;
    std::optional<LuminanceCell> MaxAt; // the first cell holding Max, planes first
    std::string Reason; // why no value exists (ComplianceText's message), else empty
};

LuminanceTable LuminanceTableOf(const tIES& record, const LuminaireFacts& facts);

// The largest value over the planes at one of kLuminanceGammas (65 for the catalogue's column);
// none when no plane has a value there.
std::optional<long double> MaxAtGamma(const LuminanceTable& table, int gamma);

// The interpolant of a type C record at (C, gamma), in candela.
long double IntensityAt(const tIES& record, const LuminaireFacts& facts, long double c,
                        long double gamma);

} // namespace lumetra::compliance
