#pragma once
// The intensity that the light pattern is scaled to.

#include "data/Photometry.h"

namespace lumetra {

// The largest candela value of planes `plane` and `opposite`, never below 0: values at or below
// 0 do not raise it. The whole file's peak is not used. Both must be planes of the record.
long double PairPeak(const tIES& record, int plane, int opposite);

} // namespace lumetra
