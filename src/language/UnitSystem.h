#pragma once
// Metric (metres, lux, cd/m²) or imperial (feet, foot-candles): the units lengths and
// illuminance are shown in. Intensities are candela in both.

namespace lumetra {

enum class UnitSystem { Metric, Imperial };

} // namespace lumetra
