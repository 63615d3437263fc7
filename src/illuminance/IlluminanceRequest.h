#pragma once
// What an illuminance calculation is asked for, and what makes a request unusable.

#include <cstddef>
#include <optional>

namespace lumetra::illuminance {

// Lengths in metres.
struct IlluminanceRequest {
    long double Height = 3;          // from the photometric centre down to the floor
    long double Size = 10;           // side of the square area centred below the luminaire
    long double Step = 0.5;          // grid step; Size / Step is a whole number
    std::optional<long double> Wall; // distance of the wall along C0, when one is wanted
};

// More steps than this would cost memory and time for nothing a picture or a table can show.
inline constexpr std::size_t kMostSteps = 1000;

enum class RequestFault {
    HeightNotPositive,
    SizeNotPositive,
    StepNotPositive,
    StepsNotWhole, // Size / Step is not a whole number
    TooManySteps,  // Size / Step above kMostSteps
    WallNotPositive,
};

// The whole number Size / Step, allowing for the rounding of decimal inputs (0.3 / 0.1), or none.
std::optional<std::size_t> WholeSteps(long double size, long double step);

// The first thing wrong with a request, checked in the order of the fields; none when usable.
std::optional<RequestFault> FaultOf(const IlluminanceRequest& request);

} // namespace lumetra::illuminance
