#pragma once
// The photometric summary as the one JSON object that `lumetra-cli summary --json` prints. Every
// command that shows a summary as JSON builds it here, so the objects stay identical.

#include "ExtendedJson.h"
#include "summary/PhotometricSummary.h"

namespace lumetra::cli {

// Null where a figure is undefined; the angle pairs keyed by the names of the record type's lines.
Json SummaryJson(const summary::PhotometricSummary& s);

} // namespace lumetra::cli
