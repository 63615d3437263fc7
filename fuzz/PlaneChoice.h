#pragma once
// Which planes of a record a fuzz target visits: all of them when they are few, otherwise an
// even spread that always includes the first and the last, so one input cannot make a run
// iterate over thousands of planes.

#include <cstddef>
#include <vector>

namespace lumetra::fuzz {

// Up to `most` plane indexes of 0..planeCount-1 in ascending order; `offset` shifts the spread
// between the ends so that different inputs reach different planes.
std::vector<int> ChoosePlanes(std::size_t planeCount, std::size_t most, std::size_t offset);

// How many planes fit a budget of drawn values when each plane holds valuesPerPlane of them and
// every plane is drawn `passes` times; at least 1 and at most `most`.
std::size_t PlanesWithinBudget(std::size_t valuesPerPlane, std::size_t passes, std::size_t budget,
                               std::size_t most);

} // namespace lumetra::fuzz
