#pragma once
// The plane shown in the left half of the light pattern, opposite the selected plane.

#include "data/Photometry.h"

namespace lumetra {

// The first plane index below the last whose angle lies exactly 180 degrees from that of
// `plane`, in either direction, or the last index when none does. Planes ending at 90 (a quarter
// of the circle) show the selected plane on both halves; planes ending at 180 take the plane at the
// mirrored angle (MirroredPlane). Throws LumetraError when `plane` is not an index of
// horizontalAngles.
int LeftHalfPlane(const tArrEx& horizontalAngles, int plane);

} // namespace lumetra
