#pragma once
// The one way a goniogram's view is put together, for the main window and lumetra-cli.

#include "gonio/Goniogram.h"

#include <string>

namespace lumetra {

// What DrawIES needs besides the record: the plane, the two toggles, the peak the curves are
// scaled to while fit is off, and the decimal separator of the scale's captions.
GonioView GoniogramView(int plane, bool fit, bool ortho, long double globalMaxCandela,
                        std::string decimalSeparator);

} // namespace lumetra
