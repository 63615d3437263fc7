// The data sheet's tables: the figures a report quotes, each in the one number format.

#include "DataSheet.h"
#include "DataSheetTexts.h"
#include "compliance/Compliance.h"
#include "compliance/ComplianceText.h"
#include "properties/EulumdatFacts.h"
#include "properties/SummaryRows.h"
#include "summary/PhotometricSummary.h"

namespace lumetra {

namespace {

using namespace sheet_texts;
using properties::CaptionedValue;
using properties::FigureText;

QString Text(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

SheetTable TwoColumns(const char* title, const std::vector<CaptionedValue>& rows) {
    SheetTable table;
    table.title = SheetText(title);
    table.columnShare = {0.45, 0.55};
    for (const auto& [caption, value] : rows)
        table.rows.push_back({Text(caption), Text(value)});
    return table;
}

// A part of a whole as a percentage; none without a positive whole.
summary::Figure Share(const summary::Figure& part, const summary::Figure& whole) {
    if (!part || !whole || *whole <= 0)
        return std::nullopt;
    return *part / *whole * 100;
}

SheetTable ZonalTable(const summary::PhotometricSummary& s, const properties::NumberFormat& f) {
    SheetTable table;
    table.title = SheetText(kZonalFlux);
    table.header = {SheetText(kZone), SheetText(kFlux), SheetText(kOfLuminaire),
                    SheetText(kOfLamps)};
    table.columnShare = {0.25, 0.27, 0.26, 0.22};
    for (std::size_t z = 0; z < summary::kZones.size(); ++z) {
        const summary::Figure& flux = s.ZonalFlux[z];
        table.rows.push_back({Text(std::string(summary::kZones[z].Name) + "\u00b0"),
                              Text(FigureText(flux, properties::kLumen, f)),
                              Text(FigureText(Share(flux, s.Flux), properties::kPercent, f)),
                              Text(FigureText(Share(flux, s.LampFlux), properties::kPercent, f))});
    }
    return table;
}

void AddBugRows(const compliance::BugRating& rating, const LuminaireFacts& facts,
                const properties::NumberFormat& f, std::vector<CaptionedValue>& rows) {
    if (!rating.Figures)
        return;
    const compliance::BugFigures& bug = *rating.Figures;
    const auto lumens = [&f](long double value) { return FigureText(value, properties::kLumen, f); };
    rows.emplace_back(SheetText(kBugRating).toStdString(), bug.Rating);
    rows.emplace_back(SheetText(kBugFront).toStdString(), compliance::FrontText(bug, facts));
    rows.emplace_back(SheetText(kForward).toStdString(), lumens(bug.Forward));
    rows.emplace_back(SheetText(kBack).toStdString(), lumens(bug.Back));
    rows.emplace_back(SheetText(kUplight).toStdString(), lumens(bug.Uplight));
    std::string zones;
    for (std::size_t z = 0; z < compliance::kBugZoneCount; ++z)
        zones += std::string(z == 0 ? "" : ", ") + compliance::kBugZoneNames[z] + " " +
                 FigureText(bug.Zones[z], properties::kNone, f);
    rows.emplace_back(SheetText(kBugZones).toStdString(), zones + " lm");
    if (!bug.UplightDataComplete)
        rows.emplace_back(
            SheetText(kBugNote).toStdString(),
            compliance::Message(compliance::ComplianceMessage::UplightIncomplete));
}

void AddLuminanceRow(const compliance::LuminanceTable& table, const properties::NumberFormat& f,
                     std::vector<CaptionedValue>& rows) {
    if (!table.Max || !table.MaxAt)
        return;
    const properties::Unit luminance{"cd/m\u00b2", 0};
    const QString at =
        SheetText(kAtPlane)
            .arg(Text(FigureText(*table.Max, luminance, f)))
            .arg(compliance::kLuminancePlanes[table.MaxAt->Plane])
            .arg(Text(FigureText(compliance::kLuminanceGammas[table.MaxAt->Gamma],
                                 properties::kDegree, f)));
    rows.emplace_back(SheetText(kMaxLuminance).toStdString(), at.toStdString());
}

// Only figures that exist: types A and B have no BUG rating, a point source no luminance.
std::optional<SheetTable> ComplianceTable(const DataSheetInput& input) {
    const compliance::ComplianceFigures figures =
        compliance::ComplianceOf(*input.record, *input.facts);
    std::vector<CaptionedValue> rows;
    AddBugRows(figures.Bug, *input.facts, input.format, rows);
    AddLuminanceRow(figures.Luminance, input.format, rows);
    if (rows.empty())
        return std::nullopt;
    return TwoColumns(kCompliance, rows);
}

} // namespace

std::vector<SheetTable> SheetTables(const DataSheetInput& input) {
    const tIES& record = *input.record;
    const LuminaireFacts& facts = *input.facts;
    std::vector<SheetTable> tables;
    if (!summary::HasPhotometricData(record)) {
        SheetTable none;
        none.title = SheetText(kSummary);
        none.note = SheetText(kNoData);
        tables.push_back(none);
    } else {
        const summary::PhotometricSummary s = summary::Summarize(record, facts);
        tables.push_back(TwoColumns(kSummary, properties::SummaryFigureRows(
                                                  s, input.format, properties::ZonalRows::Apart)));
        tables.push_back(ZonalTable(s, input.format));
    }
    tables.push_back(TwoColumns(kOpening, properties::OpeningRows(record, facts, input.format)));
    if (input.eulumdat)
        tables.push_back(
            TwoColumns(kEulumdat, properties::EulumdatFactRows(*input.eulumdat, input.format)));
    if (summary::HasPhotometricData(record))
        if (auto compliance = ComplianceTable(input))
            tables.push_back(std::move(*compliance));
    return tables;
}

} // namespace lumetra
