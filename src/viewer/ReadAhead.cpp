#include "ReadAhead.h"

#include "eulumdat/PhotometryFile.h"

#include <exception>

namespace lumetra {

void ReadAhead(ReadAheadFile& ahead) {
    ahead.stamp = StampOf(ahead.file);
    bool spoke = false;
    try {
        ahead.parseError = LoadPhotometryFile(
            ahead.file, ahead.record, ahead.fileLines, ahead.headerLines,
            [&spoke](const Message&) { spoke = true; }, ahead.facts);
        ahead.clean = !spoke;
    } catch (...) { // the load that selects the file reads it again and reports the error
        ahead.clean = false;
    }
}

std::optional<int> ReadAheadRow(int previousRow, int row, int count) {
    const int next = previousRow == row + 1 ? row - 1 : row + 1;
    if (row < 0 || next < 0 || next >= count)
        return std::nullopt;
    return next;
}

} // namespace lumetra
