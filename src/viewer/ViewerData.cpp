#include "ViewerData.h"

#include "data/ProgramData.h"

namespace lumetra {

bool RenderPending = false;

ViewerData ProgramWideData() {
    return {Photometry,      FileLines,          HeaderLines,      ParseError,    GlobalMaxCandela,
            LastDrawnDegree, LastRenderedDegree, LastRenderedFile, RenderPending, &Luminaire};
}

} // namespace lumetra
