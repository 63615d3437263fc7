#pragma once
// How a type C record's stored planes stand for the whole turn around the luminaire's axis, and
// the planes that mirroring adds. Types A and B mirror a whole axis that starts at 0 instead.

#include "IntensityGrid.h"

#include <string>

namespace lumetra::summary {

enum class SymmetryForm { Axial, Quadrant, BilateralC0C180, BilateralC90C270, None, Irregular };

// The form that the stored horizontal angles (file order) declare.
SymmetryForm ClassifySymmetry(const tArrEx& horizontalAngles);

// "axial", "quadrant", "bilateral C0-C180", "bilateral C90-C270", "none", "irregular": English
// for JSON, marked in the context "Symmetry" for the texts people read (SymmetryText).
std::string SymmetryName(SymmetryForm form);

// The planes of the whole turn: the stored ones and their mirror images, ascending from the
// first stored angle; a mirror image that lands on an angle already present is dropped.
AngleAxis CompletedPlanes(const tArrEx& horizontalAngles, SymmetryForm form);

// An ascending axis that starts at 0, extended by its mirror image (I(-x) = I(x)); any other
// axis is returned as it is.
AngleAxis MirroredAtZero(const AngleAxis& axis);

} // namespace lumetra::summary
