#pragma once
// The unit intensities are compared in: candela as stored, or candela per 1,000 lm so that
// luminaires of different output compare by the shape of their distribution.

#include "summary/PhotometricSummary.h"

#include <optional>

namespace lumetra::compare {

enum class IntensityUnit { Candela, CandelaPerKilolumen };

// "cd" or "cd/klm".
const char* UnitName(IntensityUnit unit);

// The unit named "cd" or "cdklm" (as on the command line), or none.
std::optional<IntensityUnit> UnitNamed(const std::string& name);

// What a file's candela values are multiplied by to be in the unit: 1 for cd; for cd/klm 1,000
// over the lamp flux, or over the luminaire's own flux for absolute photometry (no positive lamp
// flux); none when neither is known.
std::optional<long double> UnitFactor(const summary::PhotometricSummary& s, IntensityUnit unit);

} // namespace lumetra::compare
