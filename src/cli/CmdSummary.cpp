// lumetra-cli summary: the photometric summary of a file with its compliance figures, as text or
// as one JSON object.

#include "CommandOptions.h"
#include "Commands.h"
#include "compliance/Compliance.h"
#include "compliance/ComplianceJson.h"
#include "compliance/ComplianceText.h"
#include "properties/SummaryRows.h"
#include "summary/PhotometricSummary.h"
#include "summary/SummaryJson.h"
#include "surface/LocaleNumbers.h"
#include "translate/Translations.h"

#include <iostream>
#include <string>

namespace lumetra::cli {

namespace {

using summary::PhotometricSummary;

// The summary's keys, every figure null (a file that did not read completely has none), with
// ParseError and Notes (the verdict's lines) added.
Json NotSignificantJson(const LoadedFile& file) {
    Json json = summary::SummaryJson(file.record, file.facts, PhotometricSummary{});
    json["PhotometricType"] = nullptr;
    json["Symmetry"] = nullptr;
    json["BUG"] = nullptr;
    json["Luminance"] = nullptr;
    json["ParseError"] = true;
    json["Notes"] = EnglishVerdictLines(file.verdict);
    return json;
}

void PrintText(const PhotometricSummary& s, const compliance::ComplianceFigures& figures,
               const LuminaireFacts& facts) {
    properties::NumberFormat format = LocaleNumberFormat();
    format.wording = TranslatedUtf8;
    for (const auto& [caption, value] : properties::SummaryFigureRows(s, format))
        std::cout << caption << ": " << value << '\n';
    for (const auto& [caption, value] : compliance::BugLines(figures.Bug, facts, format))
        std::cout << caption << ": " << value << '\n';
    for (const auto& [caption, value] : compliance::LuminanceLines(figures.Luminance, format))
        std::cout << caption << ": " << value << '\n';
}

int PrintNotSignificant(const LoadedFile& file, bool json) {
    PrintVerdict(file.verdict);
    if (json)
        std::cout << NotSignificantJson(file).dump() << '\n';
    return kExitReaderMessage;
}

} // namespace

int RunSummary(const QStringList& arguments) {
    const Parsed<SummaryOptions> parsed = ParseSummaryOptions(arguments);
    if (!parsed.options)
        return FailUsage(parsed.error);
    const std::optional<LoadedFile> file = LoadForFigures(parsed.options->input);
    if (!file)
        return 1;
    if (!file->verdict.complete)
        return PrintNotSignificant(*file, parsed.options->json);
    if (!summary::HasPhotometricData(file->record))
        return Fail("The file holds no photometric data");
    const PhotometricSummary s = summary::Summarize(file->record, file->facts);
    const compliance::ComplianceFigures figures =
        compliance::ComplianceOf(file->record, file->facts);
    // The same object as every catalogue row and compared summary carry.
    if (parsed.options->json)
        std::cout << compliance::SummaryJson(file->record, file->facts, s).dump() << '\n';
    else
        PrintText(s, figures, file->facts);
    return 0;
}

} // namespace lumetra::cli
