#pragma once
// The goniogram as a picture of its own: for files (PNG or SVG) and the clipboard.

#include "data/Photometry.h"
#include "gonio/Goniogram.h"

#include <QImage>
#include <QString>

namespace lumetra {

// Grid and curves drawn on a size x size image. Throws LumetraError when it cannot be allocated.
QImage GoniogramImage(int size, const tIES& record, const GonioView& view);

// Writes grid and curves as SVG when the file name ends in ".svg" (any case), as PNG otherwise.
// Throws LumetraError with the reason when the file cannot be written.
void ExportGoniogram(const QString& fileName, int size, const tIES& record, const GonioView& view,
                     const QString& title);

} // namespace lumetra
