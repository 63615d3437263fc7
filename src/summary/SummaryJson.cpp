#include "SummaryJson.h"

#include "SummaryFigures.h"
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

template <std::size_t N>
void PutFigures(Json& json, const std::array<FigureRow, N>& rows, const PhotometricSummary& s) {
    for (const FigureRow& row : rows)
        json[row.key] = FigureJson(s.*row.value);
}

Json FiguresJson(const PhotometricSummary& s) {
    const auto names = AngleLineNames(s.Type);
    Json json{{kTypeRow.key, TypeJson(s.Type)}, {kSymmetryRow.key, s.Symmetry}};
    PutFigures(json, kFluxRows, s);
    Json zonal = Json::object();
    for (std::size_t z = 0; z < kZones.size(); ++z)
        zonal[kZones[z].Name] = FigureJson(s.ZonalFlux[z]);
    json[kZonalFluxKey] = std::move(zonal);
    PutFigures(json, kLampRows, s);
    PutFigures(json, std::array{kInputWattsRow, kEfficacyRow}, s);
    PutFigures(json, kPeakRows, s);
    for (const AngleRow& row : kAngleRows)
        json[row.key] = PairJson(s.*row.value, names);
    PutFigures(json, kStatedRows, s);
    return json;
}

} // namespace

Json SummaryJson(const tIES& /*record*/, const LuminaireFacts& /*facts*/,
                 const PhotometricSummary& s) {
    return FiguresJson(s);
}

} // namespace lumetra::summary
