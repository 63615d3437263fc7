#pragma once
// The parts of a curve drawing: which planes are drawn, the peak they are scaled to, and the
// polar polylines themselves.

#include "DrawingSurface.h"
#include "data/Photometry.h"

#include <initializer_list>
#include <optional>

namespace lumetra {

// Where a value of the scale peak lands: rx and ry pixels from the centre (cx, cy).
struct CurveFrame {
    int cx = 0;
    int cy = 0;
    long double rx = 0;
    long double ry = 0;
    long double scalePeak = 1;
};

// The first plane exactly 90 degrees past plane 0, or plane 0 itself when there is none.
int OrthogonalPlane(const tArrEx& horizontalAngles);

// The candela values of a plane; null when the record has no such plane.
const tArrEx* PlaneOf(const tIES& record, int plane);

// The largest value of the given planes, starting from the first value of the first plane that
// has one; planes missing from the record are skipped. None when no plane has a value.
std::optional<long double> FitPeak(const tIES& record, std::initializer_list<int> planes);

// Plane a on the right half and plane b on the left, vertical angle 0 pointing down, each as one
// polyline with the canvas's current pen. A missing plane (null) or one without values draws
// nothing.
void DrawPlanePair(DrawingSurface& canvas, const tArrEx& verticalAngles, const tArrEx* a,
                   const tArrEx* b, const CurveFrame& frame);

} // namespace lumetra
