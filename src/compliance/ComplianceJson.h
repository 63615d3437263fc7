#pragma once
// The compliance figures as JSON: the object `BUG` (also all of `lumetra-cli bug --json`) and the
// object `Luminance` of `lumetra-cli summary --json`.

#include "summary/ExtendedJson.h"
#include "compliance/BugRating.h"
#include "compliance/LuminanceTable.h"

namespace lumetra::compliance {

// Every member but PhotometricType null when the rating is not available (types A and B).
Json BugJson(const BugRating& rating);

// Types A and B: every member null but PhotometricType, Planes and Gammas.
Json LuminanceJson(const LuminanceTable& table);

} // namespace lumetra::compliance
