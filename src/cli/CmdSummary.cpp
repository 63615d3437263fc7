// lumetra-cli summary: the photometric summary of a file, as text or as one JSON object.

#include "CommandOptions.h"
#include "Commands.h"
#include "SummaryJson.h"
#include "properties/SummaryRows.h"
#include "summary/PhotometricSummary.h"
#include "summary/SummaryText.h"
#include "surface/LocaleNumbers.h"

#include <iostream>
#include <string>

namespace lumetra::cli {

namespace {

using summary::PhotometricSummary;

// What the reading gives besides the figures: whether they are results, and why not.
void AddReading(const ReadingVerdict& verdict, Json& json) {
    json["ParseError"] = !verdict.complete;
    json["Notes"] = VerdictLines(verdict);
}

// The summary's keys, every figure null: a file that did not read completely has none.
Json NotSignificantJson(const ReadingVerdict& verdict) {
    Json json = SummaryJson(PhotometricSummary{});
    json["PhotometricType"] = nullptr;
    json["Symmetry"] = nullptr;
    AddReading(verdict, json);
    return json;
}

void PrintText(const PhotometricSummary& s) {
    for (const auto& [caption, value] : properties::SummaryFigureRows(s, LocaleNumberFormat()))
        std::cout << caption << ": " << value << '\n';
}

} // namespace

int RunSummary(const QStringList& arguments) {
    const Parsed<SummaryOptions> parsed = ParseSummaryOptions(arguments);
    if (!parsed.options)
        return UsageError(parsed.error);
    const std::optional<LoadedFile> file = LoadForFigures(parsed.options->input);
    if (!file)
        return 1;
    if (!file->verdict.complete) {
        PrintVerdict(file->verdict);
        if (parsed.options->json)
            std::cout << NotSignificantJson(file->verdict).dump() << '\n';
        return kExitReaderMessage;
    }
    if (!summary::HasPhotometricData(file->record))
        return Fail("The file holds no photometric data");
    const PhotometricSummary s = summary::Summarize(file->record, file->facts);
    if (parsed.options->json) {
        Json json = SummaryJson(s);
        AddReading(file->verdict, json);
        std::cout << json.dump() << '\n';
    } else {
        PrintText(s);
    }
    return 0;
}

} // namespace lumetra::cli
