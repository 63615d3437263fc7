#pragma once
// Whole numbers as the settings file stores them.

#include <QString>

namespace lumetra {

// Optional leading blanks, an optional sign, then decimal digits or hexadecimal digits after
// "$", "0x" or "x" (either letter case), within the signed 32-bit range. Anything else, the empty
// text included, throws LumetraError "'<text>' is not a valid integer value".
int IntegerFromText(const QString& text);

} // namespace lumetra
