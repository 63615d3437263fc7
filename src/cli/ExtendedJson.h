#pragma once
// The CLI's JSON is the extended-precision JSON of the summary library.

#include "summary/ExtendedJson.h"

namespace lumetra::cli {
using lumetra::Json;
} // namespace lumetra::cli
