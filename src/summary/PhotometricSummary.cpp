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

void AddTypeCFlux(const IntensityGrid& grid, PhotometricSummary& s) {
    const tArrEx profile = WeightedProfile(grid);
    const tArrEx& gammas = grid.Verticals.Angles;
    for (std::size_t z = 0; z < kZones.size(); ++z)
        s.ZonalFlux[z] = Finite(IntegrateSine(gammas, profile, kZones[z].From, kZones[z].To));
    s.Flux = s.ZonalFlux[5];
    s.DownwardFlux = s.ZonalFlux[3];
    s.UpwardFlux = s.ZonalFlux[4];
    s.DownwardFluxFraction = Ratio(s.DownwardFlux, s.Flux);
}

void AddTypeABFlux(const IntensityGrid& grid, PhotometricSummary& s) {
    s.Flux = Finite(IntegrateCosine(grid.Verticals.Angles, WeightedProfile(grid), -90, 90));
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

void AddDerived(const LuminaireFacts& facts, PhotometricSummary& s) {
    s.LampFlux = LampFluxOf(facts);
    // A lamp flux of zero or below gives no meaningful ratio.
    if (s.LampFlux && *s.LampFlux > 0)
        s.LightOutputRatio = Ratio(s.Flux, s.LampFlux);
    s.InputWatts = Finite(facts.InputWatts);
    if (facts.InputWatts > 0)
        s.Efficacy = Ratio(s.Flux, s.InputWatts);
    if (facts.StatedLightOutputRatio)
        s.StatedLightOutputRatio = Finite(*facts.StatedLightOutputRatio);
    if (facts.StatedDownwardFluxFraction)
        s.StatedDownwardFluxFraction = Finite(*facts.StatedDownwardFluxFraction);
}

} // namespace

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
    const long double scale = record.CandelaMultiplier * facts.BallastFactor;
    const bool typeC = s.Type == PhotometricKind::C || s.Type == PhotometricKind::Unknown;
    const SummaryGrid summaryGrid = typeC ? TypeCGrid(record, scale) : TypeABGrid(record, scale);
    s.Symmetry = summaryGrid.Symmetry;
    if (typeC) {
        AddTypeCFlux(summaryGrid.Grid, s);
        AddTypeCAngles(summaryGrid.Grid, s);
    } else {
        AddTypeABFlux(summaryGrid.Grid, s);
        AddTypeABAngles(summaryGrid.Grid, s);
    }
    AddMaxIntensity(record, scale, s);
    AddDerived(facts, s);
    return s;
}

} // namespace lumetra::summary
