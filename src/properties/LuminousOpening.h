#pragma once
// The luminous opening of an LM-63 file: width, length and height, whose signs say its shape
// (negative values stand for round sides, zero for a missing dimension).

#include <string>

namespace lumetra::properties {

// The shape's name as LM-63 gives it ("Rectangular", "Circular", "Vertical cylinder", ...), or
// "Not an LM-63 shape" for signs that LM-63 leaves undefined.
std::string OpeningShape(long double width, long double length, long double height);

// The units type's name: "feet" for 1, "meters" for 2, else "unknown units".
std::string UnitsName(long double unitsType);

} // namespace lumetra::properties
