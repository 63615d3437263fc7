#pragma once
// Every text the data sheet adds to the figures, in one table so it can be translated in one
// place; SheetText() looks a text up in the "DataSheet" context.

#include <QCoreApplication>
#include <QString>

namespace lumetra::sheet_texts {

inline constexpr const char* kManufacturer = QT_TRANSLATE_NOOP("DataSheet", "Manufacturer");
inline constexpr const char* kCatalogueNumber = QT_TRANSLATE_NOOP("DataSheet", "Catalogue number");
inline constexpr const char* kLuminaire = QT_TRANSLATE_NOOP("DataSheet", "Luminaire");
inline constexpr const char* kLamp = QT_TRANSLATE_NOOP("DataSheet", "Lamp");
inline constexpr const char* kPolarCaption = QT_TRANSLATE_NOOP("DataSheet", "Polar diagram, %1");
inline constexpr const char* kCartesianCaption =
    QT_TRANSLATE_NOOP("DataSheet", "Cartesian diagram, %1");
inline constexpr const char* kNoPattern =
    QT_TRANSLATE_NOOP("DataSheet", "Light pattern: the file holds no intensities to render");
inline constexpr const char* kPatternFailed =
    QT_TRANSLATE_NOOP("DataSheet", "Light pattern not rendered: %1");
inline constexpr const char* kPatternCaption = QT_TRANSLATE_NOOP(
    "DataSheet",
    "Light pattern at %1 as the render window shows it: brightness %2, zoom %3, radiosity %4");
inline constexpr const char* kOn = QT_TRANSLATE_NOOP("DataSheet", "on");
inline constexpr const char* kOff = QT_TRANSLATE_NOOP("DataSheet", "off");
inline constexpr const char* kSummary = QT_TRANSLATE_NOOP("DataSheet", "Photometric summary");
inline constexpr const char* kProperty = QT_TRANSLATE_NOOP("DataSheet", "Property");
inline constexpr const char* kValue = QT_TRANSLATE_NOOP("DataSheet", "Value");
inline constexpr const char* kZonalFlux = QT_TRANSLATE_NOOP("DataSheet", "Zonal flux");
inline constexpr const char* kZone = QT_TRANSLATE_NOOP("DataSheet", "Zone (γ)");
inline constexpr const char* kFlux = QT_TRANSLATE_NOOP("DataSheet", "Flux");
inline constexpr const char* kOfLuminaire = QT_TRANSLATE_NOOP("DataSheet", "% of luminaire");
inline constexpr const char* kOfLamps = QT_TRANSLATE_NOOP("DataSheet", "% of lamps");
inline constexpr const char* kOpening = QT_TRANSLATE_NOOP("DataSheet", "Luminous opening");
inline constexpr const char* kEulumdat = QT_TRANSLATE_NOOP("DataSheet", "Luminaire (EULUMDAT)");
inline constexpr const char* kCompliance = QT_TRANSLATE_NOOP("DataSheet", "Compliance");
inline constexpr const char* kBugRating = QT_TRANSLATE_NOOP("DataSheet", "BUG rating");
inline constexpr const char* kBugFront = QT_TRANSLATE_NOOP("DataSheet", "Street side");
inline constexpr const char* kForward = QT_TRANSLATE_NOOP("DataSheet", "Forward light (FL-FVH)");
inline constexpr const char* kBack = QT_TRANSLATE_NOOP("DataSheet", "Back light (BL-BVH)");
inline constexpr const char* kUplight = QT_TRANSLATE_NOOP("DataSheet", "Uplight (UL, UH)");
inline constexpr const char* kBugZones = QT_TRANSLATE_NOOP("DataSheet", "Zone lumens");
inline constexpr const char* kBugNote = QT_TRANSLATE_NOOP("DataSheet", "BUG note");
inline constexpr const char* kMaxLuminance =
    QT_TRANSLATE_NOOP("DataSheet", "Maximum luminance (γ 45-85°)");
inline constexpr const char* kAtPlane = QT_TRANSLATE_NOOP("DataSheet", "%1 at C %2, γ %3");
inline constexpr const char* kNotSignificant = QT_TRANSLATE_NOOP("DataSheet", "Figures");
inline constexpr const char* kNoData =
    QT_TRANSLATE_NOOP("DataSheet", "The file holds no photometric data.");
inline constexpr const char* kSource = QT_TRANSLATE_NOOP("DataSheet", "Source: %1, modified %2");
inline constexpr const char* kMade = QT_TRANSLATE_NOOP("DataSheet", "Sheet of %1, %2");
inline constexpr const char* kPage = QT_TRANSLATE_NOOP("DataSheet", "Page %1 of %2");
inline constexpr const char* kContinued = QT_TRANSLATE_NOOP("DataSheet", "%1 (continued)");
inline constexpr const char* kPdfTitle = QT_TRANSLATE_NOOP("DataSheet", "Data sheet of %1");

} // namespace lumetra::sheet_texts

namespace lumetra {

inline QString SheetText(const char* text) {
    return QCoreApplication::translate("DataSheet", text);
}

} // namespace lumetra
