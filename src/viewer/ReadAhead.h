#pragma once
// Reading the file the user is likely to select next while the window waits for input. A step
// from file to file reads the selected file on the window's thread, and a file of a megabyte
// takes longer than a frame to read. After a load the window has the next file of the list read
// on a pool thread, and when that file is selected the load takes what was read instead of
// reading it again, but only when that is exactly what reading it now would leave: the same file
// with the same size and time, read into a copy of the very data the load starts from (no other
// load since), without a word from the reader and without an error (a reader's message box and
// a failed load happen during the load, as they always did). No Qt.

#include "FileStamp.h"
#include "data/LuminaireFacts.h"
#include "data/Photometry.h"

#include <cstdint>
#include <optional>
#include <string>

namespace lumetra {

// Files smaller than this are read when selected: reading them fits a frame easily.
inline constexpr std::uintmax_t kReadAheadBytes = 256 * 1024;

struct ReadAheadFile {
    std::string file;
    std::uint64_t startLoad = 0;    // the viewer model's load count when the copy was taken
    std::optional<FileStamp> stamp; // the file's, taken before the read
    // The program's data as loading the file leaves them, read into a copy of the data as they
    // were when the read-ahead began.
    tIES record;
    TextLines fileLines;
    TextLines headerLines;
    LuminaireFacts facts;
    bool parseError = false;
    bool clean = false; // read through without a message from the reader and without an error
};

// Reads ahead.file into the data it holds, on any thread; never throws.
void ReadAhead(ReadAheadFile& ahead);

// The row to read ahead after a step from previousRow (-1: none) to row in a list of count
// rows: the next one in the direction of the step, down unless the step went up; none past
// either end.
std::optional<int> ReadAheadRow(int previousRow, int row, int count);

} // namespace lumetra
