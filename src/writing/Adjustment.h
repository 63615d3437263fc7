#pragma once
// What may change on the way from a file to the written one: the intensities scaled to a lamp
// flux or by a factor, and the C-planes turned.

#include "SourceFile.h"

#include <optional>

namespace lumetra::writing {

struct Adjustment {
    // Scale the intensities so that the lamp flux the file states is this many lumens; for a file
    // that states none (absolute photometry), so that the computed luminous flux is.
    std::optional<long double> Lumens;
    long double Multiply = 1; // then multiply every intensity by this
    int Rotate = 0;           // 0, 90, 180 or 270: the plane at C moves to C + Rotate

    bool IsNone() const { return !Lumens && Multiply == 1 && Rotate % 360 == 0; }
};

// The lamp flux the source states, lm: lamps x lumens per lamp (IES, both positive) or the sum
// over the lamp sets (EULUMDAT, when positive); none for absolute photometry.
std::optional<long double> StatedLampFlux(const SourceFile& source);

// Applies the adjustment to the source. Throws LumetraError with the reason: a factor or flux
// that is not a positive number, a turn other than a quarter, a turn of a type A or B file, a
// flux asked of a file that gives no light.
void Adjust(SourceFile& source, const Adjustment& adjustment);

} // namespace lumetra::writing
