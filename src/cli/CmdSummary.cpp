// lumetra-cli summary: the photometric summary of a file, as text or as one JSON object.

#include "CommandOptions.h"
#include "Commands.h"
#include "ComplianceJson.h"
#include "ExtendedJson.h"
#include "compliance/Compliance.h"
#include "compliance/ComplianceText.h"
#include "summary/PhotometricSummary.h"
#include "summary/SummaryText.h"

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

Json SummaryJson(const PhotometricSummary& s, const compliance::ComplianceFigures& figures) {
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
                {"StatedDownwardFluxFraction", FigureJson(s.StatedDownwardFluxFraction)},
                {"BUG", BugJson(figures.Bug)},
                {"Luminance", LuminanceJson(figures.Luminance)}};
}

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
        return Fail(parsed.error) + 1; // a usage error exits with 2
    tIES record;
    LuminaireFacts facts;
    if (!LoadRecord(parsed.options->input, record, facts))
        return 1;
    if (!summary::HasPhotometricData(record))
        return Fail("The file holds no photometric data");
    const PhotometricSummary s = summary::Summarize(record, facts);
    const compliance::ComplianceFigures figures = compliance::ComplianceOf(record, facts);
    if (parsed.options->json)
        std::cout << SummaryJson(s, figures).dump() << '\n';
    else
        PrintText(s, figures, facts);
    return 0;
}

} // namespace lumetra::cli
