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

// True for a name ending in ".ies" or ".ldt", in any letter case: the files the viewer lists.
bool IsPhotometricFileName(std::string_view fileName);

// LoadPhotometry's contract for both formats: the candela table is emptied first, errors are
// LumetraError and leave the rest of the record and the facts as they were. Returns the IES
// reader's parse-error flag (always false for EULUMDAT, whose faults are errors). notify is used
// by the IES reader only.
bool LoadPhotometryFile(const std::string& fileName, tIES& record, TextLines& fileLines,
                        TextLines& headerLines, const Notifier& notify, LuminaireFacts& facts);

} // namespace lumetra
