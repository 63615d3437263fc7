#pragma once
// Header bytes turned into text for a person to read. Files come from makers all over the world
// and state no encoding: valid UTF-8 is taken as it is; other bytes go to a charset detector,
// whose guess is used only when it decodes every byte into printable text; anything else is read
// as Latin-1, as the rest of the program reads undecided bytes.

#include "Photometry.h"

#include <string>
#include <string_view>

namespace lumetra {

// Short texts give a detector little to go on, so its guess is checked rather than trusted: it
// must name an encoding that iconv knows, convert every byte without error and yield no C1
// control character, which real text never holds. A single-byte reading that still looks garbled
// gives way to an East Asian multi-byte encoding that reads the bytes as East Asian characters
// only. The result is the name as iconv knows it ("SHIFT_JIS", "WINDOWS-1251", ...), or
// "ISO-8859-1" when the guess fails.
std::string ChooseLegacyEncoding(std::string_view bytes);

struct ReadableText {
    std::string text;     // UTF-8
    std::string encoding; // what the bytes were read as: "UTF-8", "ISO-8859-1", ...
};

ReadableText DecodeReadableText(std::string_view bytes);

struct ReadableLines {
    TextLines lines;      // UTF-8, one per input line
    std::string encoding; // what the lines that are not UTF-8 were read as; "UTF-8" if none
};

// Lines that are valid UTF-8 stay as they are, so one line in another encoding cannot garble
// them; the encoding of the others is chosen once over all of them, which gives the detector
// more text than any single line.
ReadableLines DecodeReadableLines(const TextLines& lines);

// The same with the encoding a person chose for the file; an empty name chooses as above. Lines
// that are valid UTF-8 stay; a line that does not convert in the chosen encoding is read as
// Latin-1.
ReadableLines DecodeReadableLines(const TextLines& lines, const std::string& encoding);

// The encodings offered to choose from, with the names a person knows them by.
struct EncodingChoice {
    const char* name;  // as iconv knows it
    const char* label; // for the menu
};
inline constexpr EncodingChoice kEncodingChoices[] = {
    {"UTF-8", "Unicode (UTF-8)"},
    {"WINDOWS-1252", "Western (Windows-1252)"},
    {"ISO-8859-1", "Western (ISO-8859-1)"},
    {"WINDOWS-1250", "Central European (Windows-1250)"},
    {"ISO-8859-2", "Central European (ISO-8859-2)"},
    {"WINDOWS-1251", "Cyrillic (Windows-1251)"},
    {"KOI8-R", "Cyrillic (KOI8-R)"},
    {"WINDOWS-1253", "Greek (Windows-1253)"},
    {"WINDOWS-1254", "Turkish (Windows-1254)"},
    {"GB18030", "Chinese Simplified (GBK, GB18030)"},
    {"BIG5", "Chinese Traditional (Big5)"},
    {"SHIFT_JIS", "Japanese (Shift-JIS)"},
    {"EUC-JP", "Japanese (EUC-JP)"},
    {"UHC", "Korean (EUC-KR, UHC)"},
};

// The iconv name of a name a person typed ("windows-1251", "cp1251", "gbk", "sjis", ...), or an
// empty string when iconv does not know it.
std::string KnownEncodingName(const std::string& name);

} // namespace lumetra
