#include "PhotometricSummary.h"

#include "BeamAngles.h"
#include "CompletedGrid.h"
#include "FluxIntegral.h"

#include <cmath>

namespace lumetra::summary {

namespace {

constexpr long double kBeamShare = 0.5L;
constexpr long double kFieldShare = 0.1L;

Figure Finite(long double value) {
    return std::isfinite(value) ? Figure(value) : std::nullopt;
}

Figure Ratio(const Figure& numerator, const Figure& denominator) {
    if (!numerator || !denominator || *denominator == 0)
        return std::nullopt;
    return Finite(*numerator / *denominator);
}

Figure ZonalFlux(const IntensityGrid& grid, const tArrEx& profile, const Zone& zone) {
    return Finite(IntegrateSine(grid.Verticals.Angles, profile, zone.From, zone.To));
}

constexpr std::size_t kWholeSphereZone = 5; // 0-180

void AddTypeCFlux(const IntensityGrid& grid, PhotometricSummary& s) {
    const tArrEx profile = WeightedProfile(grid);
    for (std::size_t z = 0; z < kZones.size(); ++z)
        s.ZonalFlux[z] = ZonalFlux(grid, profile, kZones[z]);
    s.Flux = s.ZonalFlux[kWholeSphereZone];
    s.DownwardFlux = s.ZonalFlux[3];
    s.UpwardFlux = s.ZonalFlux[4];
    s.DownwardFluxFraction = Ratio(s.DownwardFlux, s.Flux);
}

Figure TypeABFlux(const IntensityGrid& grid) {
    return Finite(IntegrateCosine(grid.Verticals.Angles, WeightedProfile(grid), -90, 90));
}

void AddTypeABFlux(const IntensityGrid& grid, PhotometricSummary& s) {
    s.Flux = TypeABFlux(grid);
}

// Beam and field angles on the two lines, max-based and centre-based.
void AddAngles(const Walkway (&ways)[2], PhotometricSummary& s) {
    for (std::size_t i = 0; i < 2; ++i) {
        s.BeamAngle[i] = MaxBasedAngle(ways[i], kBeamShare);
        s.FieldAngle[i] = MaxBasedAngle(ways[i], kFieldShare);
        s.BeamAngleCIE[i] = CentreBasedAngle(ways[i], kBeamShare);
        s.FieldAngleCIE[i] = CentreBasedAngle(ways[i], kFieldShare);
    }
}

void AddTypeCAngles(const IntensityGrid& grid, PhotometricSummary& s) {
    const Walkway ways[2] = {PlanePairCircle(grid, 0), PlanePairCircle(grid, 90)};
    AddAngles(ways, s);
}

void AddTypeABAngles(const IntensityGrid& grid, PhotometricSummary& s) {
    const Walkway ways[2] = {
        Line(grid.Planes.Angles, RowAtVerticalAngle(grid, 0)),
        Line(grid.Verticals.Angles, ProfileAtPlaneAngle(grid, 0)),
    };
    AddAngles(ways, s);
}

// The largest stored intensity and the angles of its first occurrence, in file order.
void AddMaxIntensity(const tIES& record, long double scale, PhotometricSummary& s) {
    const std::size_t planes = UsablePlanes(record);
    const std::size_t verticals = UsableVerticals(record);
    long double best = scale * record.Candela[0][0];
    std::size_t bestPlane = 0;
    std::size_t bestVertical = 0;
    for (std::size_t h = 0; h < planes; ++h) {
        const tArrEx& plane = record.Candela[h];
        for (std::size_t v = 0; v < verticals; ++v)
            if (scale * plane[v] > best) {
                best = scale * plane[v];
                bestPlane = h;
                bestVertical = v;
            }
    }
    s.MaxIntensity = Finite(best);
    s.MaxIntensityC = Finite(record.HorizontalAngles[bestPlane]);
    s.MaxIntensityGamma = Finite(record.VerticalAngles[bestVertical]);
}

// A stated lamp flux (the sum of a file's lamp sets) wins over lamps x lumens per lamp.
Figure LampFluxOf(const LuminaireFacts& facts) {
    if (facts.StatedLampFlux)
        return Finite(*facts.StatedLampFlux);
    if (facts.LumensPerLamp > 0)
        return Finite(facts.NumberOfLamps * facts.LumensPerLamp);
    return std::nullopt;
}

// A lamp flux of zero or below gives no meaningful ratio.
Figure LightOutputRatio(const Figure& flux, const Figure& lampFlux) {
    if (lampFlux && *lampFlux > 0)
        return Ratio(flux, lampFlux);
    return std::nullopt;
}

void AddDerived(const LuminaireFacts& facts, PhotometricSummary& s) {
    s.LampFlux = LampFluxOf(facts);
    s.LightOutputRatio = LightOutputRatio(s.Flux, s.LampFlux);
    s.InputWatts = Finite(facts.InputWatts);
    if (facts.InputWatts > 0)
        s.Efficacy = Ratio(s.Flux, s.InputWatts);
    if (facts.StatedLightOutputRatio)
        s.StatedLightOutputRatio = Finite(*facts.StatedLightOutputRatio);
    if (facts.StatedDownwardFluxFraction)
        s.StatedDownwardFluxFraction = Finite(*facts.StatedDownwardFluxFraction);
}

SummaryGrid GridOf(const tIES& record, const LuminaireFacts& facts, bool typeC) {
    const long double scale = CandelaScale(record, facts);
    return typeC ? TypeCGrid(record, scale) : TypeABGrid(record, scale);
}

} // namespace

bool IsTypeC(PhotometricKind type) {
    return type == PhotometricKind::C || type == PhotometricKind::Unknown;
}

long double CandelaScale(const tIES& record, const LuminaireFacts& facts) {
    return record.CandelaMultiplier * facts.BallastFactor;
}

SummaryGrid SummaryGridOf(const tIES& record, const LuminaireFacts& facts) {
    return GridOf(record, facts, IsTypeC(KindOf(facts.PhotometricType)));
}

std::array<const char*, 2> AngleLineNames(PhotometricKind type) {
    if (type == PhotometricKind::A || type == PhotometricKind::B)
        return {"Horizontal", "Vertical"};
    return {"C0-C180", "C90-C270"};
}

bool HasPhotometricData(const tIES& record) {
    return UsablePlanes(record) > 0 && UsableVerticals(record) > 0;
}

PhotometricSummary Summarize(const tIES& record, const LuminaireFacts& facts) {
    PhotometricSummary s;
    s.Type = KindOf(facts.PhotometricType);
    if (!HasPhotometricData(record)) {
        AddDerived(facts, s); // every figure of the distribution stays null
        return s;
    }
    const bool typeC = IsTypeC(s.Type);
    const SummaryGrid summaryGrid = GridOf(record, facts, typeC);
    s.Symmetry = summaryGrid.Symmetry;
    if (typeC) {
        AddTypeCFlux(summaryGrid.Grid, s);
        AddTypeCAngles(summaryGrid.Grid, s);
    } else {
        AddTypeABFlux(summaryGrid.Grid, s);
        AddTypeABAngles(summaryGrid.Grid, s);
    }
    AddMaxIntensity(record, CandelaScale(record, facts), s);
    AddDerived(facts, s);
    return s;
}

Figure LightOutputRatioOf(const tIES& record, const LuminaireFacts& facts) {
    const Figure lampFlux = LampFluxOf(facts);
    if (!lampFlux || *lampFlux <= 0 || !HasPhotometricData(record))
        return std::nullopt;
    const bool typeC = IsTypeC(KindOf(facts.PhotometricType));
    const SummaryGrid summaryGrid = GridOf(record, facts, typeC);
    const IntensityGrid& grid = summaryGrid.Grid;
    const Figure flux =
        typeC ? ZonalFlux(grid, WeightedProfile(grid), kZones[kWholeSphereZone]) : TypeABFlux(grid);
    return LightOutputRatio(flux, lampFlux);
}

} // namespace lumetra::summary
