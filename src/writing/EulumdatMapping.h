#pragma once
// The lines of the EULUMDAT file written for a source file of either format.

#include "SourceFile.h"

#include <string>
#include <vector>

namespace lumetra::writing {

// IES source (type C only): the fields mapped line by line, intensities in cd/klm of the lamp
// flux written, DFF and LORL from the photometric summary. EULUMDAT source: every line kept as
// read, cut to the lines the file needs, numbers that are not plain decimals written plainly; a
// scale or turn rewrites only the lines it changes. targetName is the name of the file being
// written (line 11). notes receives what could not be carried. Throws LumetraError when the
// source cannot be written as EULUMDAT.
TextLines EulumdatLinesOf(const SourceFile& source, const std::string& targetName,
                          std::vector<std::string>& notes);

// The lines joined, each ended by CR LF.
std::string WriteEulumdat(const TextLines& lines);

} // namespace lumetra::writing
