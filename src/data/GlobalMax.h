#pragma once

#include "Photometry.h"

namespace lumetra {

// Largest candela value of the planes minPlane..maxPlane (both included), starting from the first
// value of plane minPlane. Leaves globalMax unchanged when there is no value to start from.
void FindGlobalMaxCandela(const tIES& record, int minPlane, int maxPlane, long double& globalMax);

} // namespace lumetra
