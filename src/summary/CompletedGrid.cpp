#include "CompletedGrid.h"

#include "SymmetryCompletion.h"
#include "data/Translatable.h"

#include <algorithm>

namespace lumetra::summary {

namespace {

IntensityGrid BaseGrid(const tIES& record, long double scale) {
    IntensityGrid grid;
    grid.Record = &record;
    grid.Scale = scale;
    grid.Verticals = SortedAxis(record.VerticalAngles, UsableVerticals(record));
    return grid;
}

// Names for the mirroring of types A and B: the axis mirrored at 0, or both.
std::string MirrorName(bool planesMirrored, bool verticalsMirrored) {
    if (planesMirrored && verticalsMirrored)
        return LUMETRA_TR_NOOP("Symmetry", "quadrant");
    if (planesMirrored)
        return LUMETRA_TR_NOOP("Symmetry", "bilateral H0");
    return verticalsMirrored ? LUMETRA_TR_NOOP("Symmetry", "bilateral V0")
                             : LUMETRA_TR_NOOP("Symmetry", "none");
}

} // namespace

std::size_t UsablePlanes(const tIES& record) {
    return std::min(record.HorizontalAngles.size(), record.Candela.size());
}

std::size_t UsableVerticals(const tIES& record) {
    const std::size_t planes = UsablePlanes(record);
    std::size_t count = planes > 0 ? record.VerticalAngles.size() : 0;
    for (std::size_t p = 0; p < planes; ++p)
        count = std::min(count, record.Candela[p].size());
    return count;
}

SummaryGrid TypeCGrid(const tIES& record, long double scale) {
    const tArrEx stored(record.HorizontalAngles.begin(),
                        record.HorizontalAngles.begin() +
                            static_cast<std::ptrdiff_t>(UsablePlanes(record)));
    const SymmetryForm form = ClassifySymmetry(stored);
    SummaryGrid result{BaseGrid(record, scale), SymmetryName(form)};
    result.Grid.Planes = CompletedPlanes(stored, form);
    result.Grid.Periodic = true;
    return result;
}

SummaryGrid TypeABGrid(const tIES& record, long double scale) {
    SummaryGrid result{BaseGrid(record, scale), {}};
    IntensityGrid& grid = result.Grid;
    const AngleAxis planes = SortedAxis(record.HorizontalAngles, UsablePlanes(record));
    grid.Planes = MirroredAtZero(planes);
    const std::size_t sortedVerticals = grid.Verticals.Angles.size();
    grid.Verticals = MirroredAtZero(grid.Verticals);
    result.Symmetry = MirrorName(grid.Planes.Angles.size() != planes.Angles.size(),
                                 grid.Verticals.Angles.size() != sortedVerticals);
    return result;
}

} // namespace lumetra::summary
