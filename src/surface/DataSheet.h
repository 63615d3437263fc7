#pragma once
// The data sheet: a printable PDF about one photometric file, for a designer's report.
// Map, from a loaded file to the pages:
//  1. DataSheetInput: what the window or lumetra-cli has loaded (record, facts, decoded header,
//     the EULUMDAT file's own lines, the render controls, the reading's verdict).
//  2. MakeDataSheet (DataSheet.cpp, DataSheetTables.cpp): the content, plain values: the title
//     block, the polar and cartesian diagrams' requests (drawn by src/diagrams), the light
//     pattern rendered with the window's controls, and tables (summary, zonal flux, luminous
//     opening, EULUMDAT luminaire, compliance) in the one number format of properties/FigureText.
//  3. SheetLayout: where each part goes, a second page when the tables need it.
//  4. WriteDataSheet (DataSheetPage.cpp): the pages painted on a PDF writer and committed
//     atomically. Text and curves stay vector graphics so the pages print sharply; only the
//     light pattern, a computed grid of grey levels, is an image.
// Every text the sheet adds is in DataSheetTexts.h.

#include "data/LuminaireFacts.h"
#include "data/Photometry.h"
#include "diagrams/Diagram.h"
#include "eulumdat/Eulumdat.h"
#include "properties/FigureText.h"
#include "properties/RowWriter.h"
#include "render/RenderBars.h"

#include <QDateTime>
#include <QImage>
#include <QLocale>
#include <QPageSize>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace lumetra {

// What the sheet is made from. The record and facts must outlive the content made from them.
struct DataSheetInput {
    QString fileName;      // the source file as the file system names it
    TextLines headerLines; // decoded for reading (UTF-8)
    const tIES* record = nullptr;
    const LuminaireFacts* facts = nullptr;
    std::optional<EulumdatFile> eulumdat; // an EULUMDAT file's own lines
    RenderControls controls;              // the render window's bars
    int plane = 0;                        // the plane the light pattern is rendered for
    // The reading verdict's lines; empty for a file that read completely.
    std::vector<std::string> notSignificant;
    properties::NumberFormat format;
    QString program;  // "Lumetra 1.4.0"
    QDateTime made;   // when the sheet is made
    QString modified; // the source file's modification date; empty: read from the file
};

// A table of the sheet: a title, optional column headings, rows of cells.
struct SheetTable {
    QString title;
    QStringList header;             // column headings; empty for none
    std::vector<QStringList> rows;  // each as many cells as there are columns
    std::vector<qreal> columnShare; // each column's share of the width, adding up to 1
    QString note;                   // a line under the table; empty for none
};

struct DataSheetContent {
    QString title;                                    // the file's name
    std::vector<properties::CaptionedValue> identity; // maker, catalogue number, luminaire, lamp
    // The diagrams' data; none without photometric figures.
    std::shared_ptr<const diagrams::DiagramData> diagrams;
    diagrams::DiagramRequest polar;
    diagrams::DiagramRequest cartesian;
    QImage lightPattern; // null when the pattern could not be rendered
    QString lightPatternCaption;
    std::vector<SheetTable> tables;
    // In place of every figure for a file that did not read completely: why its figures are no
    // results (the reading verdict's lines).
    QStringList notSignificant;
    QString footerSource; // "Source: a.ies, modified 2024-03-01 14:02"
    QString footerMade;   // "Sheet of 2026-12-07, Lumetra 1.4.0"
};

// Everything the sheet shows of a loaded file. A pattern that cannot be rendered is named in its
// caption, not fatal.
DataSheetContent MakeDataSheet(const DataSheetInput& input);

// The title block's rows: manufacturer, catalogue number, luminaire and lamp as the header's
// keywords give them (an EULUMDAT file's header is made with the same keywords); empty ones left
// out.
std::vector<properties::CaptionedValue> IdentityRows(const TextLines& headerLines);

// The tables of a file that read completely, in the order the sheet shows them.
std::vector<SheetTable> SheetTables(const DataSheetInput& input);

// Letter where the locale measures in US units, A4 everywhere else.
QPageSize::PageSizeId SheetPageSize(QLocale::MeasurementSystem system);

// Writes the PDF (one page, or two when the tables need them) to a temporary file beside the
// target, then renames it; returns the number of pages. Throws LumetraError when the file cannot
// be written.
int WriteDataSheet(const QString& pdfName, const DataSheetContent& sheet,
                   QPageSize::PageSizeId pageSize);

} // namespace lumetra
