#pragma once
// A grid as comma-separated values for spreadsheets: a header row of the U coordinates, then one
// row per V coordinate (ascending), each starting with that coordinate. Numbers carry ten
// significant digits and "." whatever the locale.

#include "IlluminanceUnits.h"

#include <string>

namespace lumetra::illuminance {

// uName and vName name the axes ("x", "y" on the floor; "y", "z" on the wall); the corner cell
// says which is which and in which units, e.g. "y (m) \ x (m), E (lx)".
std::string GridCsv(const PlaneGrid& shown, const char* uName, const char* vName, UnitSystem units);

// A value with ten significant digits, "." as the decimal point.
std::string CsvNumber(long double value);

} // namespace lumetra::illuminance
