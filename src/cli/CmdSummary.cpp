// lumetra-cli summary: the photometric summary of a file, as text or as one JSON object.

#include "CommandOptions.h"
#include "Commands.h"
#include "SummaryJson.h"
#include "summary/SummaryText.h"

#include <iostream>
#include <string>

namespace lumetra::cli {

namespace {

using summary::PhotometricSummary;

void PrintText(const PhotometricSummary& s) {
    for (const auto& [caption, value] : summary::SummaryLines(s))
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
    if (parsed.options->json)
        std::cout << SummaryJson(s).dump() << '\n';
    else
        PrintText(s);
    return 0;
}

} // namespace lumetra::cli
