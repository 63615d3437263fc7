#pragma once
// The photometric record: one IES file held in memory, exactly as read.

#include <cstdint>
#include <string>
#include <vector>

namespace lumetra {

// Growable array of extended-precision reals.
using tArrEx = std::vector<long double>;

// Lines of text as raw bytes; decoding happens only at the user-interface edge.
using TextLines = std::vector<std::string>;

struct tIES {
    long double LampLumens = 0;
    long double CandelaMultiplier = 0; // stored only: candela values are never scaled by it
    std::uint16_t VerticalCount = 0;
    std::uint16_t HorizontalCount = 0;
    std::uint16_t UnitsType = 0;
    tArrEx VerticalAngles;
    tArrEx HorizontalAngles;
    std::vector<tArrEx> Candela; // Candela[h][v]: plane h, vertical angle v
};

} // namespace lumetra
