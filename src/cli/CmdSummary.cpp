// lumetra-cli summary: the photometric summary of a file, as text or as one JSON object.

#include "Commands.h"
#include "ExtendedJson.h"
#include "summary/PhotometricSummary.h"

#include <algorithm>
#include <cstdio>
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
    switch (type) {
    case PhotometricKind::A:
        return "A";
    case PhotometricKind::B:
        return "B";
    case PhotometricKind::C:
        return "C";
    case PhotometricKind::Unknown:
        break;
    }
    return nullptr;
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

// A figure with its unit, six significant digits, "." whatever the locale; "n/a" when undefined.
std::string Shown(const Figure& figure, const char* unit, long double factor = 1) {
    if (!figure)
        return "n/a";
    char text[64];
    std::snprintf(text, sizeof text, "%.6Lg", *figure * factor);
    std::string shown(text);
    std::replace(shown.begin(), shown.end(), ',', '.');
    return shown + " " + unit;
}

void PrintLine(const std::string& caption, const std::string& value) {
    std::cout << caption << ": " << value << '\n';
}

void PrintAngles(const PhotometricSummary& s) {
    const auto names = summary::AngleLineNames(s.Type);
    for (std::size_t i = 0; i < 2; ++i) {
        const std::string line = std::string(" (") + names[i] + ")";
        PrintLine("Beam angle" + line, Shown(s.BeamAngle[i], "degrees"));
        PrintLine("Field angle" + line, Shown(s.FieldAngle[i], "degrees"));
        PrintLine("Beam angle CIE" + line, Shown(s.BeamAngleCIE[i], "degrees"));
        PrintLine("Field angle CIE" + line, Shown(s.FieldAngleCIE[i], "degrees"));
    }
}

void PrintText(const PhotometricSummary& s) {
    const Json type = TypeJson(s.Type);
    PrintLine("Photometric type",
              type.is_null() ? "unknown (summarised as C)" : type.get<std::string>());
    PrintLine("Symmetry", s.Symmetry);
    PrintLine("Luminous flux", Shown(s.Flux, "lm"));
    PrintLine("Downward flux", Shown(s.DownwardFlux, "lm"));
    PrintLine("Upward flux", Shown(s.UpwardFlux, "lm"));
    PrintLine("Downward flux fraction", Shown(s.DownwardFluxFraction, "%", 100));
    for (std::size_t z = 0; z < summary::kZones.size(); ++z)
        PrintLine(std::string("Zonal flux ") + summary::kZones[z].Name + " degrees",
                  Shown(s.ZonalFlux[z], "lm"));
    PrintLine("Lamp flux", Shown(s.LampFlux, "lm"));
    PrintLine("Light output ratio", Shown(s.LightOutputRatio, "%", 100));
    PrintLine("Input watts", Shown(s.InputWatts, "W"));
    PrintLine("Efficacy", Shown(s.Efficacy, "lm/W"));
    PrintLine("Maximum intensity", Shown(s.MaxIntensity, "cd") + " at C " +
                                       Shown(s.MaxIntensityC, "degrees") + ", gamma " +
                                       Shown(s.MaxIntensityGamma, "degrees"));
    PrintAngles(s);
    PrintLine("Stated light output ratio", Shown(s.StatedLightOutputRatio, "%", 100));
    PrintLine("Stated downward flux fraction", Shown(s.StatedDownwardFluxFraction, "%", 100));
}

} // namespace

int RunSummary(const QStringList& arguments) {
    QStringList files = arguments;
    const bool json = files.removeAll("--json") > 0;
    if (files.size() != 1 || files.front().startsWith("-")) {
        std::fputs("Usage: lumetra-cli summary FILE [--json]\n", stderr);
        return 2;
    }
    tIES record;
    LuminaireFacts facts;
    if (!LoadRecord(files.front(), record, facts))
        return 1;
    if (!summary::HasPhotometricData(record))
        return Fail("The file holds no photometric data");
    const PhotometricSummary s = summary::Summarize(record, facts);
    if (json)
        std::cout << SummaryJson(s).dump() << '\n';
    else
        PrintText(s);
    return 0;
}

} // namespace lumetra::cli
