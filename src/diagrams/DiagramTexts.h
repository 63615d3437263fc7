#pragma once
// Every text the diagrams draw or name, in one table so it can be translated in one place.

namespace lumetra::diagrams::texts {

inline constexpr const char* kIntensity = "Intensity";
inline constexpr const char* kGammaAxis = "Angle from the downward axis, \u03b3 (\u00b0)";
inline constexpr const char* kAcrossBeamAxis = "Angle across the beam (\u00b0)";
inline constexpr const char* kDegree = "\u00b0";
inline constexpr const char* kBeamLevel = "50 % of peak (beam)";
inline constexpr const char* kFieldLevel = "10 % of peak (field)";
inline constexpr const char* kBeamField = "beam %1, field %2";
inline constexpr const char* kHorizontalLine = "Horizontal at V %1";
inline constexpr const char* kVerticalLine = "Vertical at H %1";
inline constexpr const char* kNoData = "No photometric data";
inline constexpr const char* kTooFewAngles = "Too few angles for lines of equal intensity";
inline constexpr const char* kSolidPeak = "Peak";
inline constexpr const char* kPolar = "Polar";
inline constexpr const char* kCartesian = "Cartesian";
inline constexpr const char* kIsocandela = "Isocandela";
inline constexpr const char* kSolid = "Photometric solid";
inline constexpr const char* kIsocandelaTypeC =
    "Isocandela lines over C (\u00b0) and \u03b3 (\u00b0)";
inline constexpr const char* kIsocandelaTypeAB = "Isocandela lines over H (\u00b0) and V (\u00b0)";
inline constexpr const char* kIsocandelaValues = "Lines of equal intensity in %1";
inline constexpr const char* kPlaneAxisC = "C (\u00b0)";
inline constexpr const char* kVerticalAxisC = "\u03b3 (\u00b0)";
inline constexpr const char* kPlaneAxisAB = "H (\u00b0)";
inline constexpr const char* kVerticalAxisAB = "V (\u00b0)";

} // namespace lumetra::diagrams::texts
