#pragma once
// src/diagrams: the diagrams a designer reads and prints, drawn on the drawing surface
// (gonio/DrawingSurface.h) so the Diagrams window, the data sheet and `lumetra-cli diagram`
// share one drawing. Map, from a loaded file to a picture:
//  1. DiagramData: the record through the summary's completed grid and interpolant, its
//     summary's figures and the unit (cd or cd/klm); plane choices become Series.
//  2. DiagramTypes: Series (label, points, colour, dash) and DiagramOptions: what the drawing
//     functions take, so a window can overlay curves of several files in one call.
//  3. PolarDiagram, CartesianDiagram: the drawings of series; Frame (white picture, legend,
//     caption), Labels (measured, kept inside, never overlapping), RoundScale (round values)
//     and CurveClip are their parts.
//  4. IntensityMap and IsocandelaDiagram: lines of equal intensity over the whole sphere,
//     traced by the shared contour library (src/contours); Solid: the photometric solid
//     projected and shaded on the surface.
//  5. This header: one request (kind, planes, unit, ...) drawn for one file.
// Core texts are in DiagramTexts.h. No Qt.

#include "DiagramData.h"
#include "DiagramTypes.h"
#include "SolidDiagram.h"

#include <string>
#include <vector>

namespace lumetra::diagrams {

enum class DiagramKind { Polar, Cartesian, Isocandela, Solid };

// The name of a kind as a person reads it, and as lumetra-cli takes it ("polar", ...).
const char* KindTitle(DiagramKind kind);
const char* KindKey(DiagramKind kind);

struct DiagramRequest {
    DiagramKind kind = DiagramKind::Polar;
    std::vector<PlaneChoice> planes; // empty: the data's default planes
    IntensityUnit unit = IntensityUnit::Candela;
    bool logarithmic = false; // cartesian
    bool litHalfOnly = false; // polar: only the half that holds the light
    int angleStep = 30;
    double textScale = 1;
    double azimuth = 35;   // solid: the view's turn about the vertical axis, degrees
    double elevation = 20; // solid: the view's height above the horizontal, degrees
    double zoom = 1;       // solid: 1 shows the whole solid
    std::string caption;
    Wording wording = nullptr; // the texts' language; none keeps English
};

// The unit the request can have: cd where the file gives no lamp flux.
IntensityUnit UsableUnit(const DiagramData& data, IntensityUnit wanted);

// The request's curves: its planes (or the defaults) in its unit, coloured in order; a default
// line's legend also gives its beam and field angles from the summary.
std::vector<Series> RequestSeries(const DiagramData& data, const DiagramRequest& request);

// A caption naming the file, the kind, the planes and the unit.
std::string DiagramCaption(const std::string& fileName, const DiagramData& data,
                           const DiagramRequest& request);

// The whole picture for one file. A solid is drawn from the mesh given, built for the request's
// unit, or else from one built here: a window turning the solid builds it once.
void DrawDiagram(DrawingSurface& surface, const Box& picture, const DiagramData& data,
                 const DiagramRequest& request, const SolidMesh* solid = nullptr);

} // namespace lumetra::diagrams
