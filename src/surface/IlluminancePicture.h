#pragma once
// The illuminance on a plane as a picture: false colour in bands between isolux lines at round
// values, the lines labelled where their labels fit, a length grid with labelled axes, the
// luminaire's position and the C0 direction, a legend and the plane's figures. One drawing for
// the Illuminance window, its exports and lumetra-cli.

#include "ExportRules.h"
#include "illuminance/IlluminanceUnits.h"

#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <optional>
#include <vector>

class QPainter;

namespace lumetra {

// The texts a panel shows, so that the window can pass them translated.
struct PanelTexts {
    QString title;      // e.g. "Floor, 3 m below the luminaire"
    QString uAxis;      // "x", or "y" on the wall
    QString vAxis;      // "y", or "z" on the wall
    QString figures[4]; // captions of max, min, average, min/avg
    QString luminaire;  // the marker's caption, e.g. "luminaire"
};

struct IlluminancePanel {
    illuminance::PlaneGrid grid; // in the shown units
    illuminance::UnitSystem units = illuminance::UnitSystem::Metric;
    PanelTexts texts;
    std::optional<QPointF> luminaire; // (u, v) of the luminaire when it is to be marked
    bool showC0 = false;              // an arrow from the luminaire along +u labelled C0
};

// The floor panel and, when the result has one, the wall panel, in the shown units: the floor
// marks the luminaire at its centre with the C0 arrow, the wall marks it at its height.
std::vector<IlluminancePanel> ResultPanels(const illuminance::IlluminanceResult& result,
                                           illuminance::UnitSystem units,
                                           const PanelTexts& floorTexts,
                                           const PanelTexts& wallTexts);

// The round values of the isolux lines of a grid, ascending (in the grid's units).
std::vector<double> IsoluxLevels(const illuminance::PlaneGrid& grid);

// Where a panel drawn in `area` puts its plot (the grid's square, u to the right, v up).
QRectF PlotRect(const QRectF& area, const IlluminancePanel& panel);

// The (u, v) under a point of the plot, or none outside it.
std::optional<QPointF> PlotToPlane(const QRectF& plot, const IlluminancePanel& panel, QPointF at);

// The area of panel k of `count` side by side in a picture.
QRectF PanelArea(QSize picture, std::size_t count, std::size_t k);

// The panels side by side on white.
void PaintIlluminance(QPainter& painter, QSize picture,
                      const std::vector<IlluminancePanel>& panels);

// Throws LumetraError when the image cannot be allocated.
QImage IlluminanceImage(QSize picture, const std::vector<IlluminancePanel>& panels);

// The size of an exported picture of this many panels.
QSize IlluminanceExportSize(std::size_t panels);

// Writes the panels as PNG, SVG or PDF (the target's format), through a temporary file that
// replaces the target only when complete. Throws LumetraError with the reason on failure.
void ExportIlluminance(const ExportTarget& target, const std::vector<IlluminancePanel>& panels,
                       const QString& title);

// Writes text (CSV) the same way.
void ExportText(const QString& fileName, const std::string& text);

} // namespace lumetra
