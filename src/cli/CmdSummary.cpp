// lumetra-cli summary: the photometric summary of a file, as text or as one JSON object.

#include "CommandOptions.h"
#include "Commands.h"
#include "compliance/Compliance.h"
#include "compliance/ComplianceText.h"
#include "compliance/FullSummaryJson.h"
#include "summary/PhotometricSummary.h"
#include "summary/SummaryText.h"

#include <iostream>
#include <string>

namespace lumetra::cli {

namespace {

using summary::PhotometricSummary;

void PrintText(const PhotometricSummary& s, const compliance::ComplianceFigures& figures,
               const LuminaireFacts& facts) {
    for (const auto& [caption, value] : summary::SummaryLines(s))
        std::cout << caption << ": " << value << '\n';
    for (const auto& [caption, value] : compliance::BugLines(figures.Bug, facts))
        std::cout << caption << ": " << value << '\n';
    for (const auto& [caption, value] : compliance::LuminanceLines(figures.Luminance))
        std::cout << caption << ": " << value << '\n';
}

} // namespace

int RunSummary(const QStringList& arguments) {
    const Parsed<SummaryOptions> parsed = ParseSummaryOptions(arguments);
    if (!parsed.options)
        return FailUsage(parsed.error);
    tIES record;
    LuminaireFacts facts;
    if (!LoadRecord(parsed.options->input, record, facts))
        return 1;
    if (!summary::HasPhotometricData(record))
        return Fail("The file holds no photometric data");
    const PhotometricSummary s = summary::Summarize(record, facts);
    const compliance::ComplianceFigures figures = compliance::ComplianceOf(record, facts);
    if (parsed.options->json)
        std::cout << compliance::FullSummaryJson(record, facts, s, figures).dump() << '\n';
    else
        PrintText(s, figures, facts);
    return 0;
}

} // namespace lumetra::cli
