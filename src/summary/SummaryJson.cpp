#include "SummaryJson.h"

#include "SummaryText.h"

#include <string>

namespace lumetra::summary {

namespace {

Json FigureJson(const Figure& figure) {
    return figure ? Json(*figure) : Json(nullptr);
}

Json PairJson(const AnglePair& pair, const std::array<const char*, 2>& names) {
    return Json{{names[0], FigureJson(pair[0])}, {names[1], FigureJson(pair[1])}};
}

Json TypeJson(PhotometricKind type) {
    const std::string name = TypeName(type);
    return name.empty() ? Json(nullptr) : Json(name);
}

Json FiguresJson(const PhotometricSummary& s) {
    const auto names = AngleLineNames(s.Type);
    Json zonal = Json::object();
    for (std::size_t z = 0; z < kZones.size(); ++z)
        zonal[kZones[z].Name] = FigureJson(s.ZonalFlux[z]);
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

} // namespace

Json SummaryJson(const tIES& /*record*/, const LuminaireFacts& /*facts*/,
                 const PhotometricSummary& s) {
    return FiguresJson(s);
}

} // namespace lumetra::summary
