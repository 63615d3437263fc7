#pragma once
// Checks of the numeric block after the TILT line, read token by token in the order and with the
// rules of the viewer's reader, so that every finding names the file line of its number.

#include "HeaderValidation.h"
#include "ValidationCursors.h"
#include "ValidationFindings.h"

namespace lumetra {

// The cursor stands on the TILT line.
void CheckNumericBlock(const LineCursor& tiltLine, const HeaderEnd& header, FindingList& findings);

} // namespace lumetra
