#pragma once
// Names of the summary's parts for a person to read. The figures themselves are written in the
// one number format of src/properties (SummaryFigureRows).

#include "PhotometricSummary.h"

#include <string>
#include <utility>
#include <vector>

namespace lumetra::summary {

// "A", "B", "C", or empty for a type the file does not give.
std::string TypeName(PhotometricKind type);

} // namespace lumetra::summary
