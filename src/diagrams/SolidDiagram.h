#pragma once
// The photometric solid: every direction's intensity as the distance from the centre, a closed
// surface after symmetry completion, seen from a chosen azimuth and elevation, shaded by a light
// from the viewer's upper left and drawn back to front as filled quadrilaterals. The mesh is
// built once per file; turning the view only projects it again, which is fast enough to follow
// the mouse. The C0 direction (type C; H 0 for types A and B) and the downward axis (gamma 0)
// are marked and labelled.

#include "DiagramData.h"
#include "DiagramTypes.h"

#include <vector>

namespace lumetra::diagrams {

struct Vector3 {
    double x = 0;
    double y = 0;
    double z = 0;
};

// Points of the solid on a grid of directions (plane angle by column, vertical angle by row),
// scaled so the brightest direction lies at distance 1. z points up, x towards C0 (or along the
// beam for types A and B), y towards C90.
struct SolidMesh {
    std::size_t columns = 0;
    std::size_t rows = 0;
    std::vector<Vector3> points; // points[row * columns + column]
    double peak = 0;             // in the unit the mesh was built for
    bool typeC = true;
};

struct SolidView {
    double azimuth = 35;   // degrees, the view's turn about the vertical axis
    double elevation = 20; // degrees above the horizontal
    double zoom = 1;       // 1 fits the whole solid
};

// The unit direction of a (plane, vertical) angle pair in degrees for the data's type.
Vector3 Direction(bool typeC, double plane, double vertical);

SolidMesh BuildSolid(const DiagramData& data, IntensityUnit unit);

void DrawSolidDiagram(DrawingSurface& surface, const Box& picture, const SolidMesh& mesh,
                      const SolidView& view, const DiagramOptions& options);

} // namespace lumetra::diagrams
