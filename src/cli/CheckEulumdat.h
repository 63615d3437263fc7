#pragma once
// What lumetra-cli check finds in an EULUMDAT file. The reader stops at the first fault of the
// format, so a file holds at most one error; a file that reads is compared with its own figures.

#include "data/Validation.h"

#include <string_view>
#include <vector>

namespace lumetra::cli {

// Largest relative difference between the light output ratio computed from the intensities and
// the one the file states that passes without a warning.
inline constexpr long double kLightOutputRatioTolerance = 0.05L;

// The findings for an EULUMDAT file's bytes, ordered by line: the fault that keeps the viewer from
// reading it, at its file line, or a warning when the stated light output ratio disagrees with
// the intensities by more than kLightOutputRatioTolerance of the stated value.
std::vector<Finding> ValidateEulumdat(std::string_view bytes);

} // namespace lumetra::cli
