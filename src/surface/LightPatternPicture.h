#pragma once
// The light-pattern grid as a picture: the one size and the one conversion that the render
// window and lumetra-cli share.

#include "render/LightPattern.h"

#include <QImage>

namespace lumetra {

// The picture control is 300 pixels square, so column and row 300 of the 301 x 301 grid fall
// outside it.
inline constexpr int kPictureSize = 300;

// Columns and rows 0..299 of the grid as an 8-bit grey image.
QImage PictureOf(const LightPatternGrid& grid);

// The picture for a file: its computed pixels when the size asked for is its own; otherwise scaled
// smoothly onto the largest square that fits, centred on white.
QImage PictureForExport(const QImage& picture, QSize requested);

} // namespace lumetra
