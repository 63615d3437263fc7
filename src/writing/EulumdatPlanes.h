#pragma once
// The C-planes of an EULUMDAT file for a record's horizontal angles: the symmetry indicator, the
// listed C-angles and the stored planes in the order the file keeps them.

#include "data/Photometry.h"
#include "summary/IntensityGrid.h"

#include <cstddef>
#include <vector>

namespace lumetra::writing {

struct EulumdatPlanes {
    int Isym = 0;
    tArrEx CAngles;                  // the full circle, ascending in [0, 360)
    std::vector<std::size_t> Stored; // record planes, in the file's order
    bool DroppedC360 = false;        // a C360 plane that differs from C0 had to go
};

// Isym from the horizontal angles: one angle 1; 0..90 4; 0..180 2; 90..270 3 when the angles
// are symmetric about 180; anything else 0, with the planes completed and counted once modulo 360.
EulumdatPlanes EulumdatPlanesOf(const tIES& record);

// The C-angle a horizontal angle is written as: an angle in [0, 360) as it is, so that it reads
// back exactly; any other brought into [0, 360) and tidied (TidyAngle), 360 itself becoming 0.
long double CAngleOf(long double angle);

// The C-angle of the i-th plane the symmetry completes: a stored plane's own angle (not the
// angle the completion turned it to, which may differ from it by a rounding), a mirror image's
// angle otherwise; both through CAngleOf.
long double CompletedCAngle(const tArrEx& horizontalAngles, const summary::AngleAxis& completed,
                            std::size_t i);

// The common step of ascending angles, or 0 when they are not equidistant (or fewer than two).
long double CommonStep(const tArrEx& angles);

} // namespace lumetra::writing
