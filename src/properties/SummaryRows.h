#pragma once
// The Summary tab's rows: the figures of the photometric summary with their units, the
// luminaire's numbers (lamps, input watts, luminous opening) and the file's format.

#include "data/LuminaireFacts.h"
#include "data/Photometry.h"

#include <string>
#include <utility>
#include <vector>

namespace lumetra::properties {

using CaptionedValue = std::pair<std::string, std::string>;

// "EULUMDAT" for an EULUMDAT file; else an IES file's version line ("IESNA:LM-63-2002") or,
// for a file without one, "LM-63-1986 (no version line)".
std::string FormatText(const std::string& fileName, const TextLines& headerLines);

// Every row of the tab, in the order shown. headerLines are decoded for reading.
std::vector<CaptionedValue> SummaryRows(const std::string& fileName, const tIES& record,
                                        const LuminaireFacts& facts, const TextLines& headerLines,
                                        const std::string& separator = ".");

} // namespace lumetra::properties
