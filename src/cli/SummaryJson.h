#pragma once
// The summary's JSON is built in the summary library (Qt-free, so the catalogue shares it).

#include "ExtendedJson.h"
#include "summary/SummaryJson.h"

namespace lumetra::cli {
using summary::SummaryJson;
} // namespace lumetra::cli
