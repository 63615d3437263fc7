#pragma once
// The summary's figures as one table: for each figure the caption a person reads (marked in the
// context "Summary" for translation), the key of its
// JSON value, its unit with the least decimals it shows, and the factor from the value to what
// is shown (100 for a fraction shown in per cent). The command line's text, the Properties
// window and the data sheet list the figures in this order; the JSON keeps each value itself
// under its key.

#include "PhotometricSummary.h"
#include "data/Translatable.h"

#include <array>

namespace lumetra::summary {

// How many decimals a quantity shows at least: flux and intensity none, percentages, angles,
// watts and efficacy one. Small values get more so that three significant digits show.
struct Unit {
    const char* name; // "lm", "%", "°", ...; "°" follows the number without a blank
    int decimals;
};

inline constexpr Unit kLumen{"lm", 0};
inline constexpr Unit kCandela{"cd", 0};
inline constexpr Unit kPercent{"%", 1};
inline constexpr Unit kDegree{"°", 1};
inline constexpr Unit kWatt{"W", 1};
inline constexpr Unit kEfficacy{"lm/W", 1};
inline constexpr Unit kNone{"", 0};

// The two rows of text before the figures: the photometric type and the symmetry.
struct TextRow {
    const char* caption;
    const char* key;
};
inline constexpr TextRow kTypeRow{LUMETRA_TR_NOOP("Summary", "Photometric type"),
                                  "PhotometricType"};
inline constexpr TextRow kSymmetryRow{LUMETRA_TR_NOOP("Summary", "Symmetry"), "Symmetry"};

struct FigureRow {
    const char* caption;
    const char* key;
    Unit unit;
    Figure PhotometricSummary::*value;
    long double shown = 1;
};

// The flux the distribution gives, before its zones.
inline constexpr std::array<FigureRow, 4> kFluxRows{{
    {LUMETRA_TR_NOOP("Summary", "Luminous flux"), "Flux", kLumen, &PhotometricSummary::Flux},
    {LUMETRA_TR_NOOP("Summary", "Downward flux"), "DownwardFlux", kLumen,
     &PhotometricSummary::DownwardFlux},
    {LUMETRA_TR_NOOP("Summary", "Upward flux"), "UpwardFlux", kLumen,
     &PhotometricSummary::UpwardFlux},
    {LUMETRA_TR_NOOP("Summary", "Downward flux fraction"), "DownwardFluxFraction", kPercent,
     &PhotometricSummary::DownwardFluxFraction, 100},
}};

// The zonal flux in lumens: a row "Zonal flux 0-30°" for each zone (kZones, %1 its name), and one
// JSON object keyed by the zones' names.
inline constexpr const char* kZonalFluxCaption = LUMETRA_TR_NOOP("Summary", "Zonal flux %1°");
inline constexpr const char* kZonalFluxKey = "ZonalFlux";

// What the lamps give and how much of it leaves the luminaire.
inline constexpr std::array<FigureRow, 2> kLampRows{{
    {LUMETRA_TR_NOOP("Summary", "Lamp flux"), "LampFlux", kLumen, &PhotometricSummary::LampFlux},
    {LUMETRA_TR_NOOP("Summary", "Light output ratio"), "LightOutputRatio", kPercent,
     &PhotometricSummary::LightOutputRatio, 100},
}};

inline constexpr FigureRow kInputWattsRow{LUMETRA_TR_NOOP("Summary", "Input watts"), "InputWatts",
                                          kWatt, &PhotometricSummary::InputWatts};
inline constexpr FigureRow kEfficacyRow{LUMETRA_TR_NOOP("Summary", "Efficacy"), "Efficacy",
                                        kEfficacy, &PhotometricSummary::Efficacy};

// The peak, shown on one row "Maximum intensity": its value, then "at C" and "gamma" of its
// direction.
inline constexpr std::array<FigureRow, 3> kPeakRows{{
    {LUMETRA_TR_NOOP("Summary", "Maximum intensity"), "MaxIntensity", kCandela,
     &PhotometricSummary::MaxIntensity},
    {LUMETRA_TR_NOOP("Summary", "at C"), "MaxIntensityC", kDegree,
     &PhotometricSummary::MaxIntensityC},
    {LUMETRA_TR_NOOP("Summary", "gamma"), "MaxIntensityGamma", kDegree,
     &PhotometricSummary::MaxIntensityGamma},
}};

// Angles in degrees on the record type's two lines (AngleLineNames): a row "Beam angle (C0-C180)"
// for each line, and one JSON object keyed by the lines' names.
struct AngleRow {
    const char* caption;
    const char* key;
    AnglePair PhotometricSummary::*value;
};
inline constexpr std::array<AngleRow, 4> kAngleRows{{
    {LUMETRA_TR_NOOP("Summary", "Beam angle"), "BeamAngle", &PhotometricSummary::BeamAngle},
    {LUMETRA_TR_NOOP("Summary", "Field angle"), "FieldAngle", &PhotometricSummary::FieldAngle},
    {LUMETRA_TR_NOOP("Summary", "Beam angle CIE"), "BeamAngleCIE",
     &PhotometricSummary::BeamAngleCIE},
    {LUMETRA_TR_NOOP("Summary", "Field angle CIE"), "FieldAngleCIE",
     &PhotometricSummary::FieldAngleCIE},
}};

// What the file states about itself.
inline constexpr std::array<FigureRow, 2> kStatedRows{{
    {LUMETRA_TR_NOOP("Summary", "Stated light output ratio"), "StatedLightOutputRatio", kPercent,
     &PhotometricSummary::StatedLightOutputRatio, 100},
    {LUMETRA_TR_NOOP("Summary", "Stated downward flux fraction"), "StatedDownwardFluxFraction",
     kPercent, &PhotometricSummary::StatedDownwardFluxFraction, 100},
}};

} // namespace lumetra::summary
