#include "ComplianceJson.h"

#include "ComplianceText.h"
#include "summary/SummaryJson.h"
#include "summary/SummaryText.h"

namespace lumetra::compliance {

namespace {

Json TypeJson(PhotometricKind type) {
    const std::string name = summary::TypeName(type);
    return name.empty() ? Json(nullptr) : Json(name);
}

Json Optional(const std::optional<long double>& value) {
    return value ? Json(*value) : Json(nullptr);
}

Json ZonesJson(const BugFigures* f) {
    if (!f)
        return nullptr;
    Json zones = Json::object();
    for (std::size_t z = 0; z < kBugZoneCount; ++z)
        zones[kBugZoneNames[z]] = f->Zones[z];
    return zones;
}

// A member of the figures, or null without them.
template <typename Value> Json Member(const BugFigures* f, Value BugFigures::*member) {
    return f ? Json(f->*member) : Json(nullptr);
}

Json AnglesJson(const auto& angles) {
    Json list = Json::array();
    for (const int angle : angles)
        list.push_back(angle);
    return list;
}

Json DimensionsJson(const Opening& opening) {
    Json dimensions = Json::object();
    for (const auto& [name, value] : DimensionsOf(opening))
        dimensions[name] = value;
    return dimensions;
}

Json ValuesJson(const LuminanceTable& table) {
    Json values = Json::object();
    for (std::size_t p = 0; p < kLuminancePlanes.size(); ++p) {
        Json row = Json::array();
        for (const std::optional<long double>& value : table.Values[p])
            row.push_back(Optional(value));
        values[std::string("C") + std::to_string(kLuminancePlanes[p])] = std::move(row);
    }
    return values;
}

} // namespace

Json BugJson(const BugRating& rating) {
    const BugFigures* f = rating.Figures ? &*rating.Figures : nullptr;
    return Json{{"PhotometricType", TypeJson(rating.Type)},
                {"FrontCentre", Member(f, &BugFigures::FrontCentre)},
                {"Zones", ZonesJson(f)},
                {"Forward", Member(f, &BugFigures::Forward)},
                {"Back", Member(f, &BugFigures::Back)},
                {"Uplight", Member(f, &BugFigures::Uplight)},
                {"Total", Member(f, &BugFigures::Total)},
                {"B", Member(f, &BugFigures::B)},
                {"U", Member(f, &BugFigures::U)},
                {"G", Member(f, &BugFigures::G)},
                {"Rating", Member(f, &BugFigures::Rating)},
                {"GlareTable", f ? Json(GlareTableKey(f->Table)) : Json(nullptr)},
                {"GAsymmetricTable", Member(f, &BugFigures::GAsymmetric)},
                {"GSymmetricTable", Member(f, &BugFigures::GSymmetric)},
                {"UplightDataComplete", Member(f, &BugFigures::UplightDataComplete)}};
}

Json LuminanceJson(const LuminanceTable& table) {
    const bool available = table.Available;
    return Json{{"PhotometricType", TypeJson(table.Type)},
                {"Shape", available ? Json(ShapeName(table.Shape.Shape)) : Json(nullptr)},
                {"Dimensions", available ? DimensionsJson(table.Shape) : Json(nullptr)},
                {"Planes", AnglesJson(kLuminancePlanes)},
                {"Gammas", AnglesJson(kLuminanceGammas)},
                {"Luminance", available ? ValuesJson(table) : Json(nullptr)},
                {"Max", Optional(table.Max)}};
}

Json SummaryJson(const tIES& record, const LuminaireFacts& facts,
                 const summary::PhotometricSummary& s) {
    Json json = summary::SummaryJson(record, facts, s);
    json["BUG"] = BugJson(RateBug(record, facts));
    json["Luminance"] = LuminanceJson(LuminanceTableOf(record, facts));
    return json;
}

} // namespace lumetra::compliance
