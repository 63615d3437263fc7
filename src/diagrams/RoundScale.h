#pragma once
// Axis values at round numbers: 1, 2, 2.5 or 5 times a power of ten for a linear axis, whole
// decades for a logarithmic one.

#include <string>
#include <vector>

namespace lumetra::diagrams {

struct RoundScale {
    double top = 1;            // the axis ends here (linear: a multiple of the step)
    double bottom = 0;         // linear: 0; logarithmic: the lowest decade shown
    std::vector<double> ticks; // values that get a grid line and a label, ascending
};

// A round step for about `count` intervals up to `largest`.
double RoundStep(double largest, int count);

// Ticks from 0 in round steps up to the first one at or above largest (which should be > 0;
// anything else gets the scale 0..1).
RoundScale LinearScale(double largest, int count);

// Whole decades from at most `decades` below largest's decade up to the first at or above it.
RoundScale LogScale(double largest, double smallestPositive, int decades);

// A value as an axis label: at most six significant digits, no trailing zeros, "." separator.
std::string ValueText(double value);

} // namespace lumetra::diagrams
