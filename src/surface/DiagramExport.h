#pragma once
// The diagrams (src/diagrams) as pictures: an image for the Diagrams window and the clipboard,
// PNG, SVG and PDF files for reports, a painter's area for the data sheet. Each is drawn by the
// core's one drawing on a QPainter surface, on white; text grows with the picture.

#include "ExportRules.h"
#include "diagrams/Diagram.h"

#include <QImage>
#include <QSize>
#include <QString>

class QPainter;

namespace lumetra {

// The diagram on the painter's area (0, 0)-(picture), under its current transform.
void PaintDiagram(QPainter& painter, QSize picture, const diagrams::DiagramData& data,
                  const diagrams::DiagramRequest& request,
                  const diagrams::SolidMesh* solid = nullptr);

// picture is in device-independent pixels; the image holds devicePixelRatio times as many, so
// text and lines stay sharp on dense screens. Throws LumetraError when it cannot be allocated.
// A solid is drawn from the mesh given, when there is one.
QImage DiagramImage(QSize picture, const diagrams::DiagramData& data,
                    const diagrams::DiagramRequest& request, qreal devicePixelRatio = 1,
                    const diagrams::SolidMesh* solid = nullptr);

// Writes the picture (PNG, SVG or PDF of picture's size in pixels at 96 per inch) to a
// temporary file beside the target and renames it, so a failure never leaves half a file.
// Throws LumetraError with the reason when the file cannot be written.
void ExportDiagram(const ExportTarget& target, QSize picture, const diagrams::DiagramData& data,
                   const diagrams::DiagramRequest& request, const QString& title);

} // namespace lumetra
