#include "ZoneLumens.h"

#include "AzimuthWeights.h"
#include "summary/FluxIntegral.h"

namespace lumetra::compliance {

ZoneFlux ZoneLumensOf(const summary::IntensityGrid& grid, long double front) {
    const tArrEx frontProfile =
        summary::WeightedProfile(grid, AzimuthWeights(grid.Planes, front - 90, front + 90));
    const tArrEx backProfile =
        summary::WeightedProfile(grid, AzimuthWeights(grid.Planes, front + 90, front + 270));
    // The two halves make the whole turn: their sum is the summary's profile to rounding.
    tArrEx wholeProfile(frontProfile.size());
    for (std::size_t v = 0; v < wholeProfile.size(); ++v)
        wholeProfile[v] = frontProfile[v] + backProfile[v];
    ZoneFlux flux{};
    for (std::size_t z = 0; z < kBugZoneCount; ++z) {
        const ZoneBounds& zone = kZoneBounds[z];
        const tArrEx& profile = zone.Azimuth == Side::Front  ? frontProfile
                                : zone.Azimuth == Side::Back ? backProfile
                                                             : wholeProfile;
        flux[z] = summary::IntegrateSine(grid.Verticals.Angles, profile, zone.From, zone.To);
    }
    return flux;
}

} // namespace lumetra::compliance
