#pragma once
// What one render pass works from: the record, the settings and the values computed once before
// the first sample.

#include "AngleWindow.h"
#include "LightPattern.h"
#include "VerticalSearch.h"
#include "data/Photometry.h"

namespace lumetra {

struct LightPatternPass {
    const tIES* record = nullptr;
    int plane = 0;              // P, read for the right half and the centre column
    int leftPlane = 0;          // Q, `LeftHalfPlane`
    long double peak = 0;       // Imax, `PairPeak`
    AngleWindow window;         // L and U
    VerticalSearch search;      // the bracket search over the vertical angles
    long double brightness = 0; // B
    long double zoom = 0;       // Z
    int radiosity = 0;          // R
};

// Computes Q, Imax and the angle window for the settings. Throws LumetraError when the record
// holds no vertical angle or no plane, when the settings' plane is not one of its planes, or when
// plane P or Q holds fewer candela values than there are vertical angles, so that no look-up can
// read past the end of a list. The record must outlive the pass.
LightPatternPass PrepareLightPatternPass(const tIES& record, const RenderSettings& settings);

} // namespace lumetra
