#pragma once
// The photometric summary as one JSON object: what `lumetra-cli summary --json` prints and what
// every catalogue row carries, built in this one place so both stay identical key for key.

#include "ExtendedJson.h"
#include "PhotometricSummary.h"

namespace lumetra::summary {

// Everything `lumetra-cli summary --json` prints for a loaded record whose summary is s (from
// Summarize(record, facts)): every figure under its own key, null where undefined; angle pairs as
// objects keyed by the record type's line names (AngleLineNames). A further figure computed from
// the record belongs here too, so that the catalogue carries it as well.
Json SummaryJson(const tIES& record, const LuminaireFacts& facts, const PhotometricSummary& s);

} // namespace lumetra::summary
