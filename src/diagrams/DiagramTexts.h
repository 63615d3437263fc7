#pragma once
// Every text the diagrams draw or name, in one table so it can be translated in one place:
// marked in the context "Diagrams" and drawn in the language of the request's wording.

#include "data/Message.h"
#include "data/Translatable.h"

#include <string>

namespace lumetra::diagrams::texts {

inline constexpr const char* kIntensity = LUMETRA_TR_NOOP("Diagrams", "Intensity");
inline constexpr const char* kGammaAxis =
    LUMETRA_TR_NOOP("Diagrams", "Angle from the downward axis, γ (°)");
inline constexpr const char* kAcrossBeamAxis =
    LUMETRA_TR_NOOP("Diagrams", "Angle across the beam (°)");
inline constexpr const char* kDegree = "°";
inline constexpr const char* kBeamLevel = LUMETRA_TR_NOOP("Diagrams", "50 % of peak (beam)");
inline constexpr const char* kFieldLevel = LUMETRA_TR_NOOP("Diagrams", "10 % of peak (field)");
inline constexpr const char* kBeamField = LUMETRA_TR_NOOP("Diagrams", "beam %1, field %2");
inline constexpr const char* kHorizontalLine = LUMETRA_TR_NOOP("Diagrams", "Horizontal at V %1");
inline constexpr const char* kVerticalLine = LUMETRA_TR_NOOP("Diagrams", "Vertical at H %1");
inline constexpr const char* kNoData = LUMETRA_TR_NOOP("Diagrams", "No photometric data");
inline constexpr const char* kTooFewAngles =
    LUMETRA_TR_NOOP("Diagrams", "Too few angles for lines of equal intensity");
inline constexpr const char* kSolidPeak = LUMETRA_TR_NOOP("Diagrams", "Peak");
inline constexpr const char* kPolar = LUMETRA_TR_NOOP("Diagrams", "Polar");
inline constexpr const char* kCartesian = LUMETRA_TR_NOOP("Diagrams", "Cartesian");
inline constexpr const char* kIsocandela = LUMETRA_TR_NOOP("Diagrams", "Isocandela");
inline constexpr const char* kSolid = LUMETRA_TR_NOOP("Diagrams", "Photometric solid");
inline constexpr const char* kIsocandelaTypeC =
    LUMETRA_TR_NOOP("Diagrams", "Isocandela lines over C (°) and γ (°)");
inline constexpr const char* kIsocandelaTypeAB =
    LUMETRA_TR_NOOP("Diagrams", "Isocandela lines over H (°) and V (°)");
inline constexpr const char* kIsocandelaValues =
    LUMETRA_TR_NOOP("Diagrams", "Lines of equal intensity in %1");
inline constexpr const char* kPlaneAxisC = LUMETRA_TR_NOOP("Diagrams", "C (°)");
inline constexpr const char* kVerticalAxisC = LUMETRA_TR_NOOP("Diagrams", "γ (°)");
inline constexpr const char* kPlaneAxisAB = LUMETRA_TR_NOOP("Diagrams", "H (°)");
inline constexpr const char* kVerticalAxisAB = LUMETRA_TR_NOOP("Diagrams", "V (°)");

inline constexpr const char* kNotAvailable = LUMETRA_TR_NOOP("Diagrams", "n/a");

// A text of this table in the language `wording` gives; English without one.
inline std::string Words(Wording wording, const char* text) {
    return wording ? wording(Message("Diagrams", text)) : std::string(text);
}

} // namespace lumetra::diagrams::texts
