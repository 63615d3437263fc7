#include "IlluminanceRequest.h"

#include <cmath>

namespace lumetra::illuminance {

namespace {

// Decimal inputs such as 0.3 and 0.1 are not exact in binary; their quotient may miss the whole
// number by a few units in the last place, never by this much.
constexpr long double kWholeTolerance = 1e-9L;

bool Positive(long double value) {
    return std::isfinite(value) && value > 0;
}

} // namespace

std::optional<std::size_t> WholeSteps(long double size, long double step) {
    if (!Positive(size) || !Positive(step))
        return std::nullopt;
    const long double steps = size / step;
    const long double whole = std::nearbyint(steps);
    if (!std::isfinite(steps) || whole < 1 || std::fabs(steps - whole) > kWholeTolerance * whole)
        return std::nullopt;
    if (whole > static_cast<long double>(kMostSteps))
        return kMostSteps + 1;
    return static_cast<std::size_t>(whole);
}

std::optional<RequestFault> FaultOf(const IlluminanceRequest& request) {
    if (!Positive(request.Height))
        return RequestFault::HeightNotPositive;
    if (!Positive(request.Size))
        return RequestFault::SizeNotPositive;
    if (!Positive(request.Step))
        return RequestFault::StepNotPositive;
    const auto steps = WholeSteps(request.Size, request.Step);
    if (!steps)
        return RequestFault::StepsNotWhole;
    if (*steps > kMostSteps)
        return RequestFault::TooManySteps;
    if (request.Wall && !Positive(*request.Wall))
        return RequestFault::WallNotPositive;
    return std::nullopt;
}

} // namespace lumetra::illuminance
