#include "FullSummaryJson.h"

#include "ComplianceJson.h"
#include "summary/SummaryJson.h"

namespace lumetra::compliance {

Json FullSummaryJson(const tIES& record, const LuminaireFacts& facts,
                     const summary::PhotometricSummary& s, const ComplianceFigures& figures) {
    Json json = summary::SummaryJson(record, facts, s);
    json["BUG"] = BugJson(figures.Bug);
    json["Luminance"] = LuminanceJson(figures.Luminance);
    return json;
}

} // namespace lumetra::compliance
