#pragma once
// Telling a file whose content is plainly the other photometric format from a damaged one: an
// EULUMDAT file renamed ".ies" reads as IES numbers in the wrong places, and IES text named
// ".ldt" fails on its second line. Both deserve to be named for what they are.

#include "data/Message.h"
#include "data/Photometry.h"

#include <optional>
#include <string>
#include <string_view>

namespace lumetra {

// True for lines laid out as EULUMDAT: no TILT line, the type (0 to 3) and symmetry (0 to 4) on
// lines 2 and 3 as whole numbers, and numbers on lines 4 to 7 (the C and gamma counts and steps).
bool HasEulumdatLayout(const TextLines& lines);

// True for lines that hold a TILT line or start with an LM-63 version line.
bool HasIesLayout(const TextLines& lines);

// For a file whose name says one format and whose lines plainly hold the other, the sentence
// that says so ("The file holds EULUMDAT data although its name ends in .ies"); none otherwise.
std::optional<Message> OtherFormatNote(std::string_view fileName, const TextLines& lines);

// The same from the file's bytes.
std::optional<Message> OtherFormatNoteOfBytes(std::string_view fileName, std::string_view bytes);

} // namespace lumetra
