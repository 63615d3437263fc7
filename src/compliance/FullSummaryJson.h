#pragma once
// The one JSON object of a file's photometric figures: the summary's keys (summary/SummaryJson.h)
// with the objects `BUG` and `Luminance`. `lumetra-cli summary --json`, each summary of
// `lumetra-cli compare --json` and each catalogue row carry exactly this object.

#include "Compliance.h"
#include "summary/ExtendedJson.h"
#include "summary/PhotometricSummary.h"

namespace lumetra::compliance {

Json FullSummaryJson(const tIES& record, const LuminaireFacts& facts,
                     const summary::PhotometricSummary& s, const ComplianceFigures& figures);

} // namespace lumetra::compliance
