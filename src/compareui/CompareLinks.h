#pragma once
// Where the Compare window meets the main window: "Compare with Selected" in the file list's
// context menu pins a file (shown in bold with a mark in the list) and opens the window, the
// window follows the main window's selection, and the goniogram's menu opens it. Nothing of the
// main window changes until one of these is used.

#include <QString>

namespace lumetra {
class TMainWindow;
}

namespace lumetra::compare {

class TCompareWindow;

void LinkCompare(TMainWindow& main, TCompareWindow& compare);

// The catalogue's "Compare": its two selected rows, by their full names.
void CompareTwo(TCompareWindow& compare, const QString& first, const QString& second);

} // namespace lumetra::compare
