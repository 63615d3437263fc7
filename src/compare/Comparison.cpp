#include "Comparison.h"

#include <cmath>

namespace lumetra::compare {

Comparison Compare(std::span<const Luminaire> files, IntensityUnit unit,
                   const Tolerance& tolerance) {
    files = files.first(std::min(files.size(), kMaxComparedFiles));
    Comparison result;
    result.Unit = unit;
    for (const Luminaire& file : files)
        result.Summaries.push_back(summary::Summarize(file.Record, file.Facts));
    result.Figures = FigureRows(result.Summaries, tolerance);
    const IntensityComparison intensities(files, result.Summaries, unit);
    result.Largest.resize(files.size());
    for (std::size_t i = 1; i < files.size(); ++i)
        result.Largest[i] = intensities.Largest(i);
    result.SharedGrid = intensities.Comparable() && intensities.Angles().SharedGrid;
    result.Thinned = intensities.Comparable() && intensities.Angles().Thinned;
    return result;
}

std::optional<IntensityDifference> LargestOverall(const Comparison& comparison) {
    std::optional<IntensityDifference> largest;
    for (const std::optional<IntensityDifference>& candidate : comparison.Largest)
        if (candidate && (!largest || std::fabs(candidate->Value) > std::fabs(largest->Value)))
            largest = candidate;
    return largest;
}

} // namespace lumetra::compare
