#pragma once
// Loading a named EULUMDAT file into a record, as LoadPhotometry loads an IES file.

#include "Eulumdat.h"
#include "data/LuminaireFacts.h"
#include "data/Photometry.h"

#include <optional>
#include <string>

namespace lumetra {

// Empties the candela table, reads the file into fileLines (kept as read, for showing the file)
// and fills record, headerLines and facts from them. Throws LumetraError: the file cannot be read
// ("Cannot open file %s", too large, too many lines) or an EulumdatError naming its line; the
// record then keeps an empty candela table and everything else as it was.
void LoadEulumdat(const std::string& fileName, tIES& record, TextLines& fileLines,
                  TextLines& headerLines, LuminaireFacts& facts);

// An EULUMDAT file's own lines (lamp sets, dimensions, direct ratios) read again by name; none for
// another format or when it no longer reads (changed on disk since it was loaded).
std::optional<EulumdatFile> EulumdatLinesOf(const std::string& fileName);

} // namespace lumetra
