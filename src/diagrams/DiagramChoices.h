#pragma once
// What the Diagrams window offers and how its solid turns, as plain rules the window asks: the
// plane choices of a file, the unit it allows, and the view after a drag, a key or a wheel
// notch.

#include "DiagramData.h"
#include "SolidDiagram.h"

#include <vector>

namespace lumetra::diagrams {

// Type C: every plane of the whole turn below 180 degrees, each standing for itself and its
// opposite; types A and B: the horizontal line through the axis, then the vertical line at each
// stored H from 0 up. The defaults come first.
std::vector<PlaneChoice> PlaneOptions(const DiagramData& data);

inline constexpr double kKeyTurn = 5;         // degrees per arrow key
inline constexpr double kDragTurn = 0.5;      // degrees per pixel dragged
inline constexpr double kZoomPerNotch = 1.15; // one wheel notch
inline constexpr double kSmallestZoom = 0.3;
inline constexpr double kLargestZoom = 6;

// Azimuth kept in (-180, 180], elevation in [-90, 90].
SolidView Turned(SolidView view, double azimuthDegrees, double elevationDegrees);
SolidView Zoomed(SolidView view, double notches);

} // namespace lumetra::diagrams
