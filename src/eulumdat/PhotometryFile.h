#pragma once
// Loading a photometric file of either format by name: ".ldt" in any letter case is read as
// EULUMDAT, every other name as IES, exactly as LoadPhotometry reads it.

#include "data/LuminaireFacts.h"
#include "data/Notifier.h"
#include "data/Photometry.h"

#include <string>
#include <string_view>

namespace lumetra {

// True when the name ends in ".ldt", any letter case.
bool IsEulumdatFileName(std::string_view fileName);

// LoadPhotometry's contract for both formats: the candela table is emptied first, errors are
// LumetraError and leave the rest of the record as it was. Returns the IES reader's parse-error
// flag (always false for EULUMDAT, whose faults are errors). An IES file leaves facts at their
// defaults; an EULUMDAT file fills them. notify is used by the IES reader only.
bool LoadPhotometryFile(const std::string& fileName, tIES& record, TextLines& fileLines,
                        TextLines& headerLines, LuminaireFacts& facts, const Notifier& notify);

// The same on the program-wide data set; sets ParseError.
void LoadPhotometryFile(const std::string& fileName, LuminaireFacts& facts, const Notifier& notify);

} // namespace lumetra
