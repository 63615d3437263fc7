#pragma once
// The Compare window's map, from the files to what it shows:
//   CompareCurves         each file's curve of one plane pair in the chosen unit, its own colour
//                         and dash, named by the file (no Qt)
//   ComparePicture        the polar and cartesian diagrams side by side, as an image, a PNG or
//                         SVG file, and the one-page PDF with the figures
//   CompareIntensityModel the intensity differences to the first file as a table view's model
//   ComparedFiles         loading the files the selection names
//   CompareWindow         the window: curves, figures, intensities, exports; it follows the
//                         main window's selection through compare::CompareSelection
//   PinnedFileDelegate    the pin mark on pinned files in the main window's file list

#include "compare/Comparison.h"
#include "diagrams/DiagramData.h"

#include <string>
#include <vector>

namespace lumetra::compare {

// The plane pairs offered: C0-C180 and C90-C270 (or the horizontal and vertical lines), then
// each further stored plane of the first file, as the diagrams name them.
std::vector<diagrams::PlaneChoice> PlaneChoices(const Luminaire& first);
std::string PlaneChoiceLabel(const Luminaire& first, const diagrams::PlaneChoice& plane);

// One series per file with data (and, per kilolumen, a flux): the plane choice's curve in the
// unit, labelled with the file's name, in the file's colour and dash.
std::vector<diagrams::Series> CompareSeries(std::span<const Luminaire> files,
                                            const std::vector<std::string>& names,
                                            const diagrams::PlaneChoice& plane, IntensityUnit unit);

} // namespace lumetra::compare
