#pragma once
// Which C-planes an EULUMDAT file stores for its symmetry indicator Isym, and where each one lands
// among the horizontal angles of an IES file of the same symmetry.

#include <cstddef>
#include <vector>

namespace lumetra {

// Indices into the Mc listed C-angles of the stored planes, in the order the file stores them
// (integer division throughout):
//   0  every plane                          1  one plane
//   2  Mc/2+1 planes, C0 to C180            4  Mc/4+1 planes, C0 to C90
//   3  Mc/2+1 planes, C270 through C0 to C90: indices 3Mc/4 .. 3Mc/4+Mc/2, modulo Mc
// Isym must be 0..4 and Mc at least 1.
std::vector<std::size_t> StoredPlaneIndices(int isym, std::size_t mc);

// Number of stored planes, without building the list.
std::size_t StoredPlaneCount(int isym, std::size_t mc);

// The IES horizontal angle of a stored plane at C-angle c: 0 for the one plane of a rotationally
// symmetric file, (180 - c) mod 360 for a file symmetric about C90-C270 (so C270..C0..C90 become
// 270..180..90, the order of an IES file of lateral symmetry), c itself otherwise.
long double IesHorizontalAngle(int isym, long double c);

} // namespace lumetra
