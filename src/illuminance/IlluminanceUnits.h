#pragma once
// Metres and lux, or feet and foot-candles: how a result is shown. The calculation itself always
// works in metres and lux.

#include "Illuminance.h"
#include "language/UnitSystem.h"

namespace lumetra::illuminance {

using lumetra::UnitSystem;

inline constexpr long double kMetresPerFoot = 0.3048L;
// One foot-candle is one lumen per square foot.
inline constexpr long double kLuxPerFootCandle = 1 / (kMetresPerFoot * kMetresPerFoot);

// Metres per shown length unit, lux per shown illuminance unit.
long double MetresPerUnit(UnitSystem units);
long double LuxPerUnit(UnitSystem units);

// "m" or "ft"; "lx" or "fc".
const char* LengthUnit(UnitSystem units);
const char* IlluminanceUnit(UnitSystem units);

// A request typed in the shown units, in metres.
IlluminanceRequest InMetres(const IlluminanceRequest& shown, UnitSystem units);

// A grid with its coordinates and values in the shown units.
PlaneGrid InUnits(const PlaneGrid& grid, UnitSystem units);

} // namespace lumetra::illuminance
