#pragma once
// What an EULUMDAT file says about its luminaire beyond the intensities and the summary's
// figures: the luminaire's own dimensions, the luminous area, each lamp set (count, type, flux,
// colour temperature, colour rendering, wattage) and the direct ratios for the ten room indices.

#include "RowWriter.h"
#include "eulumdat/Eulumdat.h"

#include <vector>

namespace lumetra::properties {

// The room indices k of the direct ratios, in file order.
inline constexpr long double kRoomIndices[10] = {0.6L, 0.8L, 1.0L, 1.25L, 1.5L,
                                                 2.0L, 2.5L, 3.0L, 4.0L,  5.0L};

// Rows for the Properties window, sizes in mm, figures in format.
std::vector<CaptionedValue> EulumdatFactRows(const EulumdatFile& file,
                                             const NumberFormat& format = {});

} // namespace lumetra::properties
