#pragma once
// The program-wide data set: the loaded record and what its load left, used in place by the
// reader, the goniogram, the renderer and the windows. main() builds the one set the viewer model
// works on; lumetra-cli and tests build sets of their own. Core functions take what they work on
// as parameters, never this set.

#include "LuminaireFacts.h"
#include "Photometry.h"

namespace lumetra {

struct ProgramData {
    tIES Photometry;
    LuminaireFacts Luminaire; // the loaded file's facts beside Photometry
    TextLines FileLines;
    TextLines HeaderLines;
    bool ParseError = false;
    long double GlobalMaxCandela = 0;
};

} // namespace lumetra
