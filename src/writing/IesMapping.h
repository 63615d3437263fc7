#pragma once
// The IES document of a source file of either format, adjusted as the source says.

#include "IesWriter.h"
#include "SourceFile.h"

namespace lumetra::writing {

// IES source: the keyword lines in their order (a label line of a 1986 file as [OTHER]), the
// TILT block and the numbers as read. EULUMDAT source: the description lines as keywords, what
// IES has no field for in keywords of its own ([_LUMINAIRESIZE], [_LDT_DFF], ...), the stored
// planes in candela.
IesDocument IesDocumentOf(const SourceFile& source, IesVersion version);

// Line 2's second value for the version: 1 in 2002; in 2019 the source's when it is a 2019 file,
// else 1.00001 (undefined), marked as lumen-scaled when the intensities were scaled.
long double SecondValueFor(const SourceFile& source, IesVersion version);

} // namespace lumetra::writing
