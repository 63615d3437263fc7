#pragma once
// The data sheet: one printable PDF page about a photometric file, for a designer's report.
// Title and description, the goniogram of plane 0 with its orthogonal pair, the light pattern
// and the photometric summary. Text and curves stay vector graphics so the page prints sharply;
// only the light pattern, a computed grid of grey levels, is an image.

#include "data/LuminaireFacts.h"
#include "data/Photometry.h"
#include "gonio/Goniogram.h"
#include "properties/FigureText.h"
#include "properties/RowWriter.h"
#include "render/RenderBars.h"

#include <QImage>
#include <QLocale>
#include <QPageSize>
#include <QString>
#include <QStringList>
#include <vector>

namespace lumetra {

struct DataSheetContent {
    QString title;           // the file's name
    QStringList description; // the six description lines
    const tIES* record = nullptr;
    GonioView view;
    QString goniogramCaption;
    QImage lightPattern; // null when the pattern could not be rendered
    QString lightPatternCaption;
    std::vector<properties::CaptionedValue> summary; // empty without photometric data
    // In place of the summary for a file that did not read completely: why its figures are no
    // results (the reading verdict's lines).
    QStringList notSignificant;
};

// Everything the sheet shows of a loaded record. description is the viewer's six-line
// description, lines ended by carriage returns; the light pattern of plane 0 is rendered with
// the controls given. A pattern that cannot be rendered is named in its caption, not fatal.
// Figures are written in format.
DataSheetContent MakeDataSheet(const QString& fileName, const std::string& description,
                               const tIES& record, const LuminaireFacts& facts,
                               const RenderControls& controls,
                               const properties::NumberFormat& format = {});

// Puts the verdict's lines in place of the summary; nothing changes for a complete reading.
void MarkNotSignificant(DataSheetContent& sheet, const std::vector<std::string>& verdictLines);

// Letter where the locale measures in US units, A4 everywhere else.
QPageSize::PageSizeId SheetPageSize(QLocale::MeasurementSystem system);

// Writes the one-page PDF. Throws LumetraError when the file cannot be written.
void WriteDataSheet(const QString& pdfName, const DataSheetContent& sheet,
                    QPageSize::PageSizeId pageSize);

} // namespace lumetra
