#pragma once
// The illuminance texts that windows and lumetra-cli show, in one table so that they can be
// translated together (the windows pass them through QCoreApplication::translate with the
// context "illuminance").

#include "Illuminance.h"

namespace lumetra::illuminance {

inline const char* RecordFaultText(RecordFault fault) {
    switch (fault) {
    case RecordFault::NeedsTypeC:
        return "The illuminance calculation needs type C photometry; this file holds type A or B "
               "(an aimed floodlight without an installed orientation).";
    case RecordFault::NoPhotometricData:
        return "The file holds no photometric data.";
    }
    return "";
}

inline const char* RequestFaultText(RequestFault fault) {
    switch (fault) {
    case RequestFault::HeightNotPositive:
        return "The mounting height must be above 0.";
    case RequestFault::SizeNotPositive:
        return "The size of the area must be above 0.";
    case RequestFault::StepNotPositive:
        return "The grid step must be above 0.";
    case RequestFault::StepsNotWhole:
        return "The size of the area must be a whole number of grid steps.";
    case RequestFault::TooManySteps:
        return "The area holds more than 1000 grid steps; choose a larger step.";
    case RequestFault::WallNotPositive:
        return "The wall distance must be above 0.";
    }
    return "";
}

// Captions of the figures, in the order shown.
inline constexpr const char* kFigureCaptions[] = {"E max", "E min", "E average",
                                                  "Uniformity (min/avg)", "Maximum at"};

} // namespace lumetra::illuminance
