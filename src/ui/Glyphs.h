#pragma once
// The 18 x 18 pictures of the main window's three toggle buttons, drawn in code.

#include <QIcon>

namespace lumetra {

QIcon AutoUpdateGlyph(); // two arrows chasing each other round a circle
QIcon FitGlyph();        // a curve stretched to the corners of its frame
QIcon OrthoGlyph();      // two goniogram lobes crossing at a right angle

} // namespace lumetra
