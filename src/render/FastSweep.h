#pragma once
// The light pattern computed from double-precision estimates whose distance from the
// extended-precision result is bounded, so that every grey level still equals PixelShade's.

#include "LightPattern.h"
#include "LightPatternPass.h"

namespace lumetra {

// Fills the grid row by row in the same order as the plain pass, reporting the same progress.
// A sample whose estimate lies too close to a rounding boundary, to the edge of the angle
// window or to a stored angle, or whose bracket would fault, is handed to PixelShade, so the
// grey levels and the first floating-point fault are exactly those of the plain pass.
// Returns false without touching the grid or the sink when the pass lies outside the range for
// which the bounds are proven (unsorted or huge angles, huge candela values, a peak of 0,
// unusual settings); the caller then runs the plain pass.
bool RunFastSweep(const LightPatternPass& pass, const ProgressSink& progress,
                  LightPatternGrid& grid);

} // namespace lumetra
