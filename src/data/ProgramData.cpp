#include "ProgramData.h"

namespace lumetra {

tIES Photometry;
LuminaireFacts Luminaire;
TextLines FileLines;
TextLines HeaderLines;
bool ParseError = false;
long double GlobalMaxCandela = 0;
int LastDrawnDegree = 0;
int LastRenderedDegree = 0;
std::string LastRenderedFile;

void ResetProgramData() {
    Photometry = tIES();
    Luminaire = LuminaireFacts();
    FileLines.clear();
    HeaderLines.clear();
    ParseError = false;
    GlobalMaxCandela = 0;
    LastDrawnDegree = 0;
    LastRenderedDegree = 0;
    LastRenderedFile.clear();
}

} // namespace lumetra
