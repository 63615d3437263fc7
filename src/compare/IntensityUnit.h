#pragma once
// What compared intensities are multiplied by to be in the chosen unit (summary/IntensityUnit.h).

#include "summary/IntensityUnit.h"
#include "summary/PhotometricSummary.h"

#include <optional>

namespace lumetra::compare {

using summary::IntensityUnit;
using summary::UnitName;
using summary::UnitNamed;

// What a file's candela values are multiplied by to be in the unit: 1 for cd; for cd/klm 1,000
// over the lamp flux, or over the luminaire's own flux for absolute photometry (no positive lamp
// flux); none when neither is known.
std::optional<long double> UnitFactor(const summary::PhotometricSummary& s, IntensityUnit unit);

} // namespace lumetra::compare
