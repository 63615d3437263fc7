#include "BugRating.h"

#include "BugThresholds.h"
#include "ComplianceText.h"
#include "summary/CompletedGrid.h"
#include "summary/PhotometricSummary.h"
#include "summary/SymmetryCompletion.h"

#include <cmath>
#include <cstdio>
#include <numeric>

namespace lumetra::compliance {

namespace {

long double FrontInTurn(long double front) {
    const long double turned = std::fmod(front, 360.0L);
    return turned < 0 ? turned + 360 : turned;
}

// The back half is the front half's mirror image when the stored planes' symmetry mirrors across
// the line perpendicular to the front direction.
GlareTable GlareTableFor(const tIES& record, long double front) {
    const tArrEx stored(record.HorizontalAngles.begin(),
                        record.HorizontalAngles.begin() +
                            static_cast<std::ptrdiff_t>(summary::UsablePlanes(record)));
    const long double f = FrontInTurn(front);
    switch (summary::ClassifySymmetry(stored)) {
    case summary::SymmetryForm::Axial:
    case summary::SymmetryForm::Quadrant:
        return GlareTable::Symmetric;
    case summary::SymmetryForm::BilateralC90C270:
        return f == 0 || f == 180 ? GlareTable::Symmetric : GlareTable::Asymmetric;
    case summary::SymmetryForm::BilateralC0C180:
        return f == 90 || f == 270 ? GlareTable::Symmetric : GlareTable::Asymmetric;
    default:
        return GlareTable::Asymmetric;
    }
}

// Light at the last stored gamma below 180 means the file was cut short, not that none goes up.
bool UplightDataComplete(const summary::IntensityGrid& grid) {
    const tArrEx& gammas = grid.Verticals.Angles;
    if (gammas.empty() || gammas.back() >= 180)
        return true;
    for (std::size_t p = 0; p < grid.Planes.Angles.size(); ++p)
        if (grid.Value(p, gammas.size() - 1) > 0)
            return false;
    return true;
}

long double SumOf(const ZoneFlux& flux, std::size_t from, std::size_t to) {
    return std::accumulate(flux.begin() + static_cast<std::ptrdiff_t>(from),
                           flux.begin() + static_cast<std::ptrdiff_t>(to), 0.0L);
}

void AddRatings(BugFigures& f) {
    f.B = RatingOf(kBacklightRows, f.Zones);
    f.U = RatingOf(kUplightRows, f.Zones);
    f.GAsymmetric = RatingOf(kGlareAsymmetricRows, f.Zones);
    f.GSymmetric = RatingOf(kGlareSymmetricRows, f.Zones);
    f.G = f.Table == GlareTable::Symmetric ? f.GSymmetric : f.GAsymmetric;
    char rating[32];
    std::snprintf(rating, sizeof rating, "B%d-U%d-G%d", f.B, f.U, f.G);
    f.Rating = rating;
}

bool AllFinite(const BugFigures& f) {
    return std::isfinite(f.Total) && std::isfinite(f.Forward) && std::isfinite(f.Back) &&
           std::isfinite(f.Uplight);
}

BugFigures FiguresOf(const tIES& record, const LuminaireFacts& facts, long double front) {
    const summary::SummaryGrid grid =
        summary::TypeCGrid(record, record.CandelaMultiplier * facts.BallastFactor);
    BugFigures f;
    f.FrontCentre = front;
    f.Zones = ZoneLumensOf(grid.Grid, front);
    f.Forward = SumOf(f.Zones, FL, BL);
    f.Back = SumOf(f.Zones, BL, UL);
    f.Uplight = SumOf(f.Zones, UL, kBugZoneCount);
    f.Total = SumOf(f.Zones, 0, kBugZoneCount);
    f.Table = GlareTableFor(record, front);
    f.UplightDataComplete = UplightDataComplete(grid.Grid);
    AddRatings(f);
    return f;
}

} // namespace

long double DefaultFrontCentre(const LuminaireFacts& facts) {
    return facts.Format == PhotometricFormat::Eulumdat ? 90 : 0;
}

BugRating RateBug(const tIES& record, const LuminaireFacts& facts,
                  std::optional<long double> front) {
    BugRating rating;
    rating.Type = KindOf(facts.PhotometricType);
    if (rating.Type == PhotometricKind::A || rating.Type == PhotometricKind::B) {
        rating.Unavailable = Message(ComplianceMessage::NeedsTypeC);
        return rating;
    }
    if (!summary::HasPhotometricData(record)) {
        rating.Unavailable = Message(ComplianceMessage::NoData);
        return rating;
    }
    BugFigures figures = FiguresOf(record, facts, front.value_or(DefaultFrontCentre(facts)));
    figures.FrontOverridden = front.has_value();
    if (!AllFinite(figures)) {
        rating.Unavailable = Message(ComplianceMessage::NotFinite);
        return rating;
    }
    rating.Figures = std::move(figures);
    return rating;
}

} // namespace lumetra::compliance
