#pragma once
// The goniogram as a picture of its own: for files (PNG, JPEG or SVG), the clipboard and the
// data sheet. It is drawn by the window's own drawing code, on white, on the largest square that
// keeps everything it draws inside the picture: the scale's outer ring can lie beyond the curves'
// frame and its label hangs below the ring.

#include "ExportRules.h"
#include "data/Photometry.h"
#include "gonio/Goniogram.h"

#include <QImage>
#include <QRect>
#include <QString>

class QPainter;

namespace lumetra {

// The square the goniogram is drawn on inside a picture of this size.
QRect GoniogramPlacement(QSize picture, const tIES& record, const GonioView& view);

// White background and the placed goniogram, drawn with the painter's current transform in
// picture coordinates (0, 0)-(picture).
void PaintGoniogram(QPainter& painter, QSize picture, const tIES& record, const GonioView& view);

// Throws LumetraError when the image cannot be allocated.
QImage GoniogramImage(QSize picture, const tIES& record, const GonioView& view);

// Writes the picture in the target's format; an SVG file is drawn at that size as its view box.
// Throws LumetraError with the reason when the file cannot be written.
void ExportGoniogram(const ExportTarget& target, QSize picture, const tIES& record,
                     const GonioView& view, const QString& title);

// The goniogram exactly as the paint area shows it, button face and all, on a size x size area:
// lumetra-cli's "gonio", which reproduces the window. SVG for a ".svg" name, PNG otherwise.
void ExportGoniogramAsShown(const QString& fileName, int size, const tIES& record,
                            const GonioView& view, const QString& title);

} // namespace lumetra
