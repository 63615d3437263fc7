#include "PlaneFigures.h"

namespace lumetra::illuminance {

PlaneFigures FiguresOf(const PlaneGrid& grid) {
    PlaneFigures figures;
    if (grid.E.empty())
        return figures;
    std::size_t best = 0;
    long double sum = 0;
    figures.Min = grid.E.front();
    for (std::size_t k = 0; k < grid.E.size(); ++k) {
        const long double e = grid.E[k];
        if (e > grid.E[best])
            best = k;
        if (e < figures.Min)
            figures.Min = e;
        sum += e;
    }
    figures.Max = grid.E[best];
    figures.Avg = sum / static_cast<long double>(grid.E.size());
    if (figures.Avg != 0)
        figures.MinOverAvg = figures.Min / figures.Avg;
    figures.MaxAt = {grid.U[best % grid.U.size()], grid.V[best / grid.U.size()]};
    return figures;
}

} // namespace lumetra::illuminance
