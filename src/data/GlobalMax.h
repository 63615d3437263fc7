#pragma once

#include "Photometry.h"

namespace lumetra {

// Largest candela value of the planes minPlane..maxPlane (both included), starting from the first
// value of the range. Leaves globalMax unchanged when the range holds no value.
void FindGlobalMaxCandela(const tIES& record, int minPlane, int maxPlane, long double& globalMax);

// The same over every plane of the candela table: the peak the curves are scaled to after a load
// and while fit is off, in the windows, the data sheet and lumetra-cli alike.
void FindPeakOfAllPlanes(const tIES& record, long double& globalMax);

} // namespace lumetra
