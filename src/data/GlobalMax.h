#pragma once

#include "Photometry.h"

namespace lumetra {

// Largest candela value of the planes minPlane..maxPlane (both included), starting from the first
// value of the range. Leaves globalMax unchanged when the range holds no value.
void FindGlobalMaxCandela(const tIES& record, int minPlane, int maxPlane, long double& globalMax);

} // namespace lumetra
