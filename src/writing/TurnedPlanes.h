#pragma once
// Turning a type C distribution about the luminaire's axis: the plane at C moves to C + angle.

#include "data/Photometry.h"

namespace lumetra::writing {

// The record with its planes turned by degrees (90, 180 or 270), in the IES form of the symmetry
// the turned distribution keeps: axial and quadrant stay as they are, bilateral about C0-C180
// becomes bilateral about C90-C270 after a quarter turn and the other way round, anything else
// becomes a whole turn 0..360 (with a 360 plane when the record had one). Angles are tidied to
// nine decimals, so 2.4 + 90 is written 92.4.
tIES TurnedRecord(const tIES& record, int degrees);

} // namespace lumetra::writing
