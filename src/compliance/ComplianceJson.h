#pragma once
// The compliance figures as JSON: the object `BUG` (also all of `lumetra-cli bug --json`) and the
// object `Luminance`, and the whole of `lumetra-cli summary --json` that carries both.

#include "BugRating.h"
#include "LuminanceTable.h"
#include "summary/ExtendedJson.h"
#include "summary/PhotometricSummary.h"

namespace lumetra::compliance {

// Every member but PhotometricType null when the rating is not available (types A and B).
Json BugJson(const BugRating& rating);

// Types A and B: every member null but PhotometricType, Planes and Gammas.
Json LuminanceJson(const LuminanceTable& table);

// summary::SummaryJson with the keys BUG and Luminance added: what `lumetra-cli summary --json`
// prints and every catalogue row carries (the summary cannot include this library).
Json SummaryJson(const tIES& record, const LuminaireFacts& facts,
                 const summary::PhotometricSummary& s);

} // namespace lumetra::compliance
