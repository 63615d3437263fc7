#pragma once
// Loading a named IES file into the program's data and describing the luminaire.

#include "FileReading.h"
#include "LuminaireFacts.h"
#include "Message.h"
#include "Notifier.h"
#include "Photometry.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace lumetra {

// Most lines a file may have: room for the largest supported grid at one value per line.
inline constexpr std::size_t kMaxFileLines = 16u * 1024u * 1024u;

// Reads a regular file whole into lines, refusing anything else, a file larger than kMaxFileBytes
// and one of more than kMaxFileLines lines; format ("IES", ...) names what the file should be in
// those refusals. Throws LumetraError ("Cannot open file %s", ...).
TextLines ReadFileLines(const std::string& fileName, const std::string& format = "IES");

// Empties the candela table, reads the file into fileLines and runs the reader. Throws
// LumetraError ("Cannot open file %s", or the reader's error). Returns the parse-error flag.
bool LoadPhotometry(const std::string& fileName, tIES& record, TextLines& fileLines,
                    TextLines& headerLines, const Notifier& notify);

// The same, also filling the luminaire's facts from the leading numbers.
bool LoadPhotometry(const std::string& fileName, tIES& record, TextLines& fileLines,
                    TextLines& headerLines, const Notifier& notify, LuminaireFacts& facts);

// The six-line description: Test, Manufacturer, luminaire, Luminaire catalog, Lamp, Lamp catalog,
// each line ended by a carriage return.
std::string BuildDescription(const std::string& headerText);

// The same for a person reading another language: each caption as `wording` gives it (the
// windows' TranslatedUtf8) and each value made UTF-8 on its own, so that a translated caption
// stays readable beside a value in another encoding. A null wording gives BuildDescription's text.
std::string BuildDescription(const std::string& headerText,
                             std::string (*wording)(const Message& text));

// The header text: every header line followed by CR LF.
std::string HeaderText(const TextLines& headerLines);

} // namespace lumetra
