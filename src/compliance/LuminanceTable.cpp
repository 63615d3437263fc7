#include "LuminanceTable.h"

#include "ComplianceText.h"
#include "summary/CompletedGrid.h"
#include "summary/PhotometricSummary.h"

#include <cmath>

namespace lumetra::compliance {

namespace {

// The interpolant along one completed profile at gamma: 0 outside the stored range.
long double AtGamma(const summary::IntensityGrid& grid, const tArrEx& profile, long double gamma) {
    const summary::Bracket at = summary::BracketOn(grid.Verticals.Angles, gamma);
    if (!at.Inside)
        return 0;
    return (1 - at.Fraction) * profile[at.Lower] +
           (at.Fraction > 0 ? at.Fraction * profile[at.Upper] : 0);
}

summary::SummaryGrid GridOf(const tIES& record, const LuminaireFacts& facts) {
    return summary::TypeCGrid(record, record.CandelaMultiplier * facts.BallastFactor);
}

LuminanceRow RowAt(const summary::IntensityGrid& grid, const Opening& opening, long double c) {
    const tArrEx profile = summary::ProfileAtPlaneAngle(grid, c);
    LuminanceRow row;
    for (std::size_t g = 0; g < kLuminanceGammas.size(); ++g) {
        const std::optional<long double> area = ProjectedArea(opening, c, kLuminanceGammas[g]);
        if (!area || !(*area > 0))
            continue;
        const long double value = AtGamma(grid, profile, kLuminanceGammas[g]) / *area;
        if (std::isfinite(value))
            row[g] = value;
    }
    return row;
}

void FindMax(LuminanceTable& table) {
    for (std::size_t p = 0; p < table.Values.size(); ++p)
        for (std::size_t g = 0; g < table.Values[p].size(); ++g) {
            const std::optional<long double>& value = table.Values[p][g];
            if (value && (!table.Max || *value > *table.Max)) {
                table.Max = value;
                table.MaxAt = LuminanceCell{p, g};
            }
        }
}

std::string ReasonWithoutValues(const Opening& opening) {
    switch (opening.Shape) {
    case OpeningShape::Point:
        return Message(ComplianceMessage::PointOpening);
    case OpeningShape::Unknown:
        return Message(ComplianceMessage::UnknownOpening);
    case OpeningShape::None:
        return Message(ComplianceMessage::NoOpening);
    default:
        return Message(ComplianceMessage::NoProjectedArea);
    }
}

} // namespace

long double IntensityAt(const tIES& record, const LuminaireFacts& facts, long double c,
                        long double gamma) {
    const summary::SummaryGrid grid = GridOf(record, facts);
    return AtGamma(grid.Grid, summary::ProfileAtPlaneAngle(grid.Grid, c), gamma);
}

std::optional<long double> MaxAtGamma(const LuminanceTable& table, int gamma) {
    std::optional<long double> best;
    for (std::size_t g = 0; g < kLuminanceGammas.size(); ++g) {
        if (kLuminanceGammas[g] != gamma)
            continue;
        for (const LuminanceRow& row : table.Values)
            if (row[g] && (!best || *row[g] > *best))
                best = row[g];
    }
    return best;
}

LuminanceTable LuminanceTableOf(const tIES& record, const LuminaireFacts& facts) {
    LuminanceTable table;
    table.Type = KindOf(facts.PhotometricType);
    if (table.Type == PhotometricKind::A || table.Type == PhotometricKind::B) {
        table.Reason = Message(ComplianceMessage::NeedsTypeC);
        return table;
    }
    if (!summary::HasPhotometricData(record)) {
        table.Reason = Message(ComplianceMessage::NoData);
        return table;
    }
    table.Available = true;
    table.Shape = OpeningOf(record, facts);
    const summary::SummaryGrid grid = GridOf(record, facts);
    for (std::size_t p = 0; p < kLuminancePlanes.size(); ++p)
        table.Values[p] = RowAt(grid.Grid, table.Shape, kLuminancePlanes[p]);
    FindMax(table);
    if (!table.Max)
        table.Reason = ReasonWithoutValues(table.Shape);
    return table;
}

} // namespace lumetra::compliance
