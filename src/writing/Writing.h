#pragma once
// Writing photometric files: IES LM-63-2002 and LM-63-2019, and EULUMDAT.
//
// The road from a file to the written one:
//   SourceFile       reads the file with the viewer's readers (or leniently, tabs as blanks) and
//                    keeps beside the record what only a writer needs: the IES header lines,
//                    TILT block and line 2's second value; the EULUMDAT lines as read and the
//                    intensities in cd/klm.
//   Adjustment       scales the intensities (to a lamp flux, by a factor) and turns the C-planes
//                    (TurnedPlanes) with the symmetry the turn allows.
//   IesMapping       makes the IES document of either format (keywords, numbers, planes) and
//   IesWriter        writes it: CR LF lines, at most ten numbers a line, [MORE] lines in 2002.
//   EulumdatMapping  makes the EULUMDAT lines: from IES field by field (EulumdatPlanes picks the
//                    symmetry indicator and the C-angles), from EULUMDAT line by line as read.
//   NumberFormat     every real as the shortest positional decimal that reads back the same.
//   AtomicFile       puts the bytes in place whole or not at all.
// This header ties them together: a source written in a format, and a file converted to another.
// Nothing here links Qt; the viewer and lumetra-cli share it.

#include "Adjustment.h"
#include "AtomicFile.h"
#include "IesWriter.h"
#include "SourceFile.h"

#include <optional>
#include <string>
#include <vector>

namespace lumetra::writing {

enum class TargetFormat { Ies2002, Ies2019, Eulumdat };

// The format a name asks for: ".ldt" (any letter case) EULUMDAT, ".ies" IES of the given
// version; none for any other name.
std::optional<TargetFormat> TargetFormatOf(const std::string& fileName, IesVersion iesVersion);

struct Written {
    std::string Bytes;
    std::vector<std::string> Notes; // what the target format could not carry
};

// The bytes of the source in the format, adjusted. targetName is the name it will be written as.
// Throws LumetraError: numbers the reading could not read (with the lenient reading suggested
// where it would help), no intensities, or what the format cannot hold.
Written WriteAs(SourceFile source, TargetFormat format, const Adjustment& adjustment,
                const std::string& targetName);

struct ConvertOptions {
    std::optional<TargetFormat> Format; // none: from the output's name
    IesVersion Version = IesVersion::Lm63_2002;
    Adjustment Adjust;
    Reading Read = Reading::Strict;
    Existing Output = Existing::Keep;
};

// Reads input, writes it as output atomically. Never replaces the input itself, and an existing
// output only with Existing::Replace. Throws LumetraError (a WriteError for the writing).
Written ConvertFile(const std::string& input, const std::string& output,
                    const ConvertOptions& options);

} // namespace lumetra::writing
