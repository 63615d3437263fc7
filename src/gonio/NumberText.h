#pragma once

#include <string>

namespace lumetra {

// A real as the captions and labels show it: at most 15 significant digits, no trailing zeros,
// fixed notation from 0.0001 up to 15 integer digits, otherwise scientific ("5E-5", "1.5E20").
std::string NumberText(long double value, const std::string& decimalSeparator);

} // namespace lumetra
