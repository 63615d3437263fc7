#pragma once
// The unit intensities are shown in: candela as stored, or candela per 1,000 lm so that
// luminaires of different output compare by the shape of their distribution. One type for every
// feature that offers the choice (the diagrams, the comparison, the command line); what a
// feature divides by for cd/klm is its own rule.

#include <optional>
#include <string>

namespace lumetra::summary {

enum class IntensityUnit { Candela, CandelaPerKilolumen };

// "cd" or "cd/klm".
const char* UnitName(IntensityUnit unit);

// The unit named "cd", "cdklm" or "cd/klm" (as on the command line), or none.
std::optional<IntensityUnit> UnitNamed(const std::string& name);

} // namespace lumetra::summary
