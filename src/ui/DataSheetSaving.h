#pragma once
// "Save Data Sheet As...": the one entry that every window offering the data sheet calls.

#include <QString>

class QWidget;

namespace lumetra {

class ViewerModel;

// Asks for the PDF's name and writes the sheet of the viewer's loaded file, its light pattern
// rendered at the render window's controls as the viewer holds them.
// Throws LumetraError when the name cannot be used or the file cannot be written.
void SaveDataSheetAs(QWidget* parent, const ViewerModel& viewer);

// Writes the sheet without asking, on the page size of the locale.
void SaveDataSheet(const QString& pdfName, const ViewerModel& viewer);

} // namespace lumetra
