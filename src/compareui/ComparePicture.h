#pragma once
// The comparison as pictures: the polar and the cartesian diagram of the files' curves side by
// side, as an image for the window, a PNG or SVG file, and a one-page PDF that adds the files,
// the figures with their differences and the largest intensity difference. Files are written
// whole or not at all.

#include "compare/Comparison.h"
#include "diagrams/DiagramTypes.h"
#include "surface/ExportRules.h"

#include <QImage>
#include <QPageSize>
#include <QString>
#include <QStringList>
#include <vector>

class QPainter;

namespace lumetra::compare {

// What the pictures show.
struct CompareDrawing {
    std::vector<diagrams::Series> series;
    IntensityUnit unit = IntensityUnit::Candela;
    bool typeC = true;
    std::string caption; // the plane pair
};

inline constexpr QSize kComparePictureSize{1600, 800};

// One diagram (polar or cartesian) filling the area, on white.
void PaintDiagram(QPainter& painter, const QRect& area, const CompareDrawing& drawing, bool polar);
QImage DiagramImage(QSize size, const CompareDrawing& drawing, bool polar);

// Both diagrams side by side as PNG or SVG. Throws LumetraError when the file cannot be written.
void ExportComparePicture(const ExportTarget& target, const CompareDrawing& drawing);

// The one-page PDF. files names the compared files in order.
void WriteComparePdf(const QString& pdfName, const QStringList& files, const Comparison& comparison,
                     const CompareDrawing& drawing, QPageSize::PageSizeId pageSize);

} // namespace lumetra::compare
