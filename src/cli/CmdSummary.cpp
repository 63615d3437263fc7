// lumetra-cli summary: the photometric summary of a file, as text or as one JSON object.

#include "CommandOptions.h"
#include "Commands.h"
#include "ExtendedJson.h"
#include "properties/SummaryRows.h"
#include "summary/PhotometricSummary.h"
#include "summary/SummaryText.h"
#include "surface/LocaleNumbers.h"

#include <iostream>
#include <string>

namespace lumetra::cli {

namespace {

using summary::AnglePair;
using summary::Figure;
using summary::PhotometricSummary;

Json FigureJson(const Figure& figure) {
    return figure ? Json(*figure) : Json(nullptr);
}

Json PairJson(const AnglePair& pair, const std::array<const char*, 2>& names) {
    return Json{{names[0], FigureJson(pair[0])}, {names[1], FigureJson(pair[1])}};
}

Json TypeJson(PhotometricKind type) {
    const std::string name = summary::TypeName(type);
    return name.empty() ? Json(nullptr) : Json(name);
}

Json SummaryJson(const PhotometricSummary& s) {
    const auto names = summary::AngleLineNames(s.Type);
    Json zonal = Json::object();
    for (std::size_t z = 0; z < summary::kZones.size(); ++z)
        zonal[summary::kZones[z].Name] = FigureJson(s.ZonalFlux[z]);
    return Json{{"PhotometricType", TypeJson(s.Type)},
                {"Symmetry", s.Symmetry},
                {"Flux", FigureJson(s.Flux)},
                {"DownwardFlux", FigureJson(s.DownwardFlux)},
                {"UpwardFlux", FigureJson(s.UpwardFlux)},
                {"DownwardFluxFraction", FigureJson(s.DownwardFluxFraction)},
                {"ZonalFlux", std::move(zonal)},
                {"LampFlux", FigureJson(s.LampFlux)},
                {"LightOutputRatio", FigureJson(s.LightOutputRatio)},
                {"InputWatts", FigureJson(s.InputWatts)},
                {"Efficacy", FigureJson(s.Efficacy)},
                {"MaxIntensity", FigureJson(s.MaxIntensity)},
                {"MaxIntensityC", FigureJson(s.MaxIntensityC)},
                {"MaxIntensityGamma", FigureJson(s.MaxIntensityGamma)},
                {"BeamAngle", PairJson(s.BeamAngle, names)},
                {"FieldAngle", PairJson(s.FieldAngle, names)},
                {"BeamAngleCIE", PairJson(s.BeamAngleCIE, names)},
                {"FieldAngleCIE", PairJson(s.FieldAngleCIE, names)},
                {"StatedLightOutputRatio", FigureJson(s.StatedLightOutputRatio)},
                {"StatedDownwardFluxFraction", FigureJson(s.StatedDownwardFluxFraction)}};
}

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
