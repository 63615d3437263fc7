#include "BugThresholds.h"

namespace lumetra::compliance {

int RatingOf(std::span<const ThresholdRow> rows, const ZoneFlux& flux) {
    for (int k = 0; k < kWorstRating; ++k) {
        bool kept = true;
        for (const ThresholdRow& row : rows)
            kept = kept && flux[row.Zone] <= row.Limits[static_cast<std::size_t>(k)];
        if (kept)
            return k;
    }
    return kWorstRating;
}

} // namespace lumetra::compliance
