#pragma once
// The photometric summary as captioned lines for a person to read: what `lumetra-cli summary`
// prints and what a data sheet tabulates.

#include "PhotometricSummary.h"

#include <string>
#include <utility>
#include <vector>

namespace lumetra::summary {

// Caption and value with its unit, e.g. {"Luminous flux", "1234.56 lm"}; "n/a" stands for an
// undefined value. Numbers carry six significant digits and "." whatever the locale.
using SummaryLine = std::pair<std::string, std::string>;

// "A", "B", "C", or empty for a type the file does not give.
std::string TypeName(PhotometricKind type);

std::vector<SummaryLine> SummaryLines(const PhotometricSummary& s);

} // namespace lumetra::summary
