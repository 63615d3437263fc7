#pragma once
// Checks of the header: the version line, the keyword lines and the TILT line's value.

#include "ValidationCursors.h"
#include "ValidationFindings.h"

#include <cstddef>
#include <optional>
#include <string_view>

namespace lumetra {

struct HeaderEnd {
    std::size_t tiltLine = 0; // 1-based
    bool tiltInclude = false; // the reader skips a tilt block before the photometric numbers
};

// Checks the header lines from the cursor, which stands before the first line, up to the TILT line
// and leaves the cursor on the TILT line. Without a TILT line the viewer has no header and reads
// the whole file as numbers: that is reported, and nothing is returned.
std::optional<HeaderEnd> CheckHeader(LineCursor& lines, FindingList& findings);

} // namespace lumetra
