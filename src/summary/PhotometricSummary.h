#pragma once
// The photometric summary: how much light a luminaire gives, how efficiently and how wide.
//
// Map of this library, from record to figures:
//  1. IntensityGrid: the stored candela values scaled by the candela multiplier and the ballast
//     factor, on ascending angle axes that refer to stored angles by index (vertical angles that
//     are not ascending are sorted, stably).
//  2. SymmetryCompletion: a type C record's planes completed to the whole turn (axial, quadrant,
//     bilateral about C0-C180 or C90-C270, or as stored) and made periodic; a type A or B axis
//     that starts at 0 mirrored.
//  3. FluxIntegral: the bilinear interpolant integrated exactly over the sphere, cell by cell in
//     closed form: total, downward, upward and zonal flux (type C), total flux (types A and B).
//  4. BeamAngles: beam (50 %) and field (10 %) angles, max-based (IES) and centre-based (CIE),
//     on the plane pairs C0-C180 and C90-C270, or on the horizontal and vertical lines.
//  5. Summarize (this header): the derived values (lamp flux, light output ratio, efficacy,
//     maximum intensity) and the figures a file states about itself, each null where undefined.

#include "CompletedGrid.h"
#include "data/LuminaireFacts.h"
#include "data/Photometry.h"

#include <array>
#include <optional>
#include <string>

namespace lumetra::summary {

using Figure = std::optional<long double>; // empty where a value is undefined or not finite

// Zones of the zonal flux, by vertical angle from the downward axis.
struct Zone {
    const char* Name;
    long double From;
    long double To;
};
inline constexpr std::array<Zone, 6> kZones{{{"0-30", 0, 30},
                                             {"0-40", 0, 40},
                                             {"0-60", 0, 60},
                                             {"0-90", 0, 90},
                                             {"90-180", 90, 180},
                                             {"0-180", 0, 180}}};

// One angle on each of two lines: the plane pairs "C0-C180" and "C90-C270" (type C), or the
// "Horizontal" and "Vertical" lines (types A and B).
using AnglePair = std::array<Figure, 2>;

struct PhotometricSummary {
    PhotometricKind Type = PhotometricKind::Unknown; // Unknown is summarised as type C
    std::string Symmetry;
    Figure Flux;
    Figure DownwardFlux;
    Figure UpwardFlux;
    Figure DownwardFluxFraction;
    std::array<Figure, kZones.size()> ZonalFlux;
    Figure LampFlux;
    Figure LightOutputRatio; // a fraction: 0.873 for 87.3 %
    Figure InputWatts;
    Figure Efficacy; // lm/W
    Figure MaxIntensity;
    Figure MaxIntensityC;
    Figure MaxIntensityGamma;
    AnglePair BeamAngle;
    AnglePair FieldAngle;
    AnglePair BeamAngleCIE;
    AnglePair FieldAngleCIE;
    Figure StatedLightOutputRatio;
    Figure StatedDownwardFluxFraction;
};

// Types C and unknown are computed as type C; A and B have their own axes.
bool IsTypeC(PhotometricKind type);

// The factor from stored values to candela: candela multiplier x ballast factor.
long double CandelaScale(const tIES& record, const LuminaireFacts& facts);

// The names of the two lines of the angle pairs for the record's type.
std::array<const char*, 2> AngleLineNames(PhotometricKind type);

// True when the record holds vertical angles and candela values to summarise.
bool HasPhotometricData(const tIES& record);

// The summary of a record and its luminaire's facts; without photometric data (HasPhotometricData)
// every figure of the distribution is null.
PhotometricSummary Summarize(const tIES& record, const LuminaireFacts& facts);

// The grid Summarize reads, in candela: a type C record (or one of unknown type) completed by its
// symmetry, types A and B mirrored. Anything that needs the intensity in a direction reads it
// through this grid's interpolant (IntensityGrid.h). Needs HasPhotometricData; refers to record.
SummaryGrid SummaryGridOf(const tIES& record, const LuminaireFacts& facts);

// Summarize's light output ratio to the last bit, for a caller that needs no other figure: the
// flux is integrated over the whole sphere once, without the zones and the beam and field angles.
Figure LightOutputRatioOf(const tIES& record, const LuminaireFacts& facts);

} // namespace lumetra::summary
