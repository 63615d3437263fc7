#pragma once
// Levels at round values for contour lines and legends.

#include <cstddef>
#include <string>
#include <vector>

namespace lumetra::contours {

// Ascending levels strictly between low and high. A field that spans a wide range (high at
// least ten times the lowest level worth drawing, high / 1000) gets the series 1, 2, 5 x 10^k, at
// most `most` of them counted down from high; a narrow one gets even round steps (1, 2, 2.5 or 5
// x 10^k), about five of them. No levels when high is not above low or not finite.
std::vector<double> RoundLevels(double low, double high, std::size_t most = 10);

// The multiples of a round step (1, 2, 2.5 or 5 x 10^k, about span / wanted) from low to high,
// both ends included when they are multiples: the ticks of an axis.
std::vector<double> EvenTicks(double low, double high, double wanted = 8);

// A level as its label: three significant digits, whole numbers written whole, no exponent
// between 0.001 and a million, "." as the decimal point, e.g. "0.5", "12.5", "20", "2500".
std::string LevelText(double level);

} // namespace lumetra::contours
