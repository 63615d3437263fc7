#pragma once
// The figures of a grid: maximum, minimum, average, uniformity and where the maximum is.

#include "Illuminance.h"

namespace lumetra::illuminance {

PlaneFigures FiguresOf(const PlaneGrid& grid);

} // namespace lumetra::illuminance
