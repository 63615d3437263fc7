#pragma once
// The values the viewer model works on in place. The program gives it the program-wide data set;
// tests give it values of their own.

#include "data/LuminaireFacts.h"
#include "data/Notifier.h"
#include "data/Photometry.h"

#include <string>

namespace lumetra {

// A bar moved since the last render pass.
extern bool RenderPending;

struct ViewerData {
    tIES& record;
    TextLines& fileLines;
    TextLines& headerLines;
    bool& parseError;
    long double& globalMaxCandela;
    int& lastDrawnDegree;    // the plane the goniogram was last drawn for
    int& lastRenderedDegree; // the plane of the last render pass
    std::string& lastRenderedFile;
    bool& renderPending;
    LuminaireFacts* facts = nullptr; // the loaded file's facts, when the owner keeps them
};

// The program-wide data set, with RenderPending.
ViewerData ProgramWideData();

} // namespace lumetra
