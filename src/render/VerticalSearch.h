#pragma once
// The bracket search of the intensity look-up in logarithmic time, stopping exactly where the
// look-up's linear search from index 0 stops.

#include "data/Photometry.h"

#include <cstddef>

namespace lumetra {

// The linear search stops at the first vertical angle at or above g, or at the last index. The
// running maximum of the angles never falls, and its first entry at or above g belongs to that
// same angle, so a binary search over the running maxima finds the same index. This matters for
// angles that do not ascend: then the linear search walks most of the list for most samples,
// and a file of tens of thousands of such angles would take seconds for one render pass.
class VerticalSearch {
  public:
    VerticalSearch() = default;
    explicit VerticalSearch(const tArrEx& angles);

    // The index i at which `i = 0; while (angles[i] < g && i < last) ++i;` stops; 0 for a list
    // of one angle. The angles must be the ones the search was built from.
    std::size_t Stop(const tArrEx& angles, long double g) const;

  private:
    tArrEx runningMax_;
    bool linear_ = false; // a NaN among the angles, which a running maximum cannot carry
};

} // namespace lumetra
