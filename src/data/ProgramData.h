#pragma once
// The program-wide data set shared by the reader, the goniogram, the renderer and the windows.
// Core functions take what they work on as parameters; only the windows and the CLI use these.

#include "LuminaireFacts.h"
#include "Photometry.h"

#include <string>

namespace lumetra {

extern tIES Photometry;
extern LuminaireFacts Luminaire; // the loaded file's facts beside Photometry
extern TextLines FileLines;
extern TextLines HeaderLines;
extern bool ParseError;
extern long double GlobalMaxCandela;
extern int LastDrawnDegree;
extern int LastRenderedDegree;
extern std::string LastRenderedFile;

// Puts the data set back to its state at program start.
void ResetProgramData();

} // namespace lumetra
