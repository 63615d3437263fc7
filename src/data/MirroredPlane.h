#pragma once
// The plane across the axis of symmetry in a set of planes that covers one half of the circle.

#include "Photometry.h"

namespace lumetra {

// The plane opposite `plane` in a half set (first to last angle spanning the half the file gives):
// the stored plane whose angle is exactly first + last - angle, so that unevenly spaced planes
// pair by angle; when none holds that angle, the plane at the mirrored index. For evenly spaced
// planes both are the same plane. `plane` must be an index of horizontalAngles.
int MirroredPlane(const tArrEx& horizontalAngles, int plane);

} // namespace lumetra
