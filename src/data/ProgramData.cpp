#include "ProgramData.h"

namespace lumetra {

tIES Photometry;
TextLines FileLines;
TextLines HeaderLines;
bool ParseError = false;
long double GlobalMaxCandela = 0;
int LastDrawnDegree = 0;
int LastRenderedDegree = 0;
std::string LastRenderedFile;

} // namespace lumetra
