#pragma once
// Every text the data sheet adds to the figures, in one table so it can be translated in one
// place; SheetText() looks a text up in the "DataSheet" context.

#include <QCoreApplication>
#include <QString>

namespace lumetra::sheet_texts {

inline constexpr const char* kManufacturer = "Manufacturer";
inline constexpr const char* kCatalogueNumber = "Catalogue number";
inline constexpr const char* kLuminaire = "Luminaire";
inline constexpr const char* kLamp = "Lamp";
inline constexpr const char* kPolarCaption = "Polar diagram, %1";
inline constexpr const char* kCartesianCaption = "Cartesian diagram, %1";
inline constexpr const char* kNoPattern = "Light pattern: the file holds no intensities to render";
inline constexpr const char* kPatternFailed = "Light pattern not rendered: %1";
inline constexpr const char* kPatternCaption =
    "Light pattern at %1 as the render window shows it: brightness %2, zoom %3, radiosity %4";
inline constexpr const char* kOn = "on";
inline constexpr const char* kOff = "off";
inline constexpr const char* kSummary = "Photometric summary";
inline constexpr const char* kProperty = "Property";
inline constexpr const char* kValue = "Value";
inline constexpr const char* kZonalFlux = "Zonal flux";
inline constexpr const char* kZone = "Zone (γ)";
inline constexpr const char* kFlux = "Flux";
inline constexpr const char* kOfLuminaire = "% of luminaire";
inline constexpr const char* kOfLamps = "% of lamps";
inline constexpr const char* kOpening = "Luminous opening";
inline constexpr const char* kEulumdat = "Luminaire (EULUMDAT)";
inline constexpr const char* kCompliance = "Compliance";
inline constexpr const char* kBugRating = "BUG rating";
inline constexpr const char* kBugFront = "Street side";
inline constexpr const char* kForward = "Forward light (FL-FVH)";
inline constexpr const char* kBack = "Back light (BL-BVH)";
inline constexpr const char* kUplight = "Uplight (UL, UH)";
inline constexpr const char* kBugZones = "Zone lumens";
inline constexpr const char* kBugNote = "BUG note";
inline constexpr const char* kMaxLuminance = "Maximum luminance (γ 45-85°)";
inline constexpr const char* kAtPlane = "%1 at C %2, γ %3";
inline constexpr const char* kNotSignificant = "Figures";
inline constexpr const char* kNoData = "The file holds no photometric data.";
inline constexpr const char* kSource = "Source: %1, modified %2";
inline constexpr const char* kMade = "Sheet of %1, %2";
inline constexpr const char* kPage = "Page %1 of %2";
inline constexpr const char* kContinued = "%1 (continued)";
inline constexpr const char* kPdfTitle = "Data sheet of %1";

} // namespace lumetra::sheet_texts

namespace lumetra {

inline QString SheetText(const char* text) {
    return QCoreApplication::translate("DataSheet", text);
}

} // namespace lumetra
