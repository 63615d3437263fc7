#pragma once
// The data sheet: one printable PDF page about a photometric file, for a designer's report.
// Title and description, the goniogram of plane 0 with its orthogonal pair, the light pattern
// and the photometric summary. Text and curves stay vector graphics so the page prints sharply;
// only the light pattern, a computed grid of grey levels, is an image.

#include "data/LuminaireFacts.h"
#include "data/Photometry.h"
#include "gonio/Goniogram.h"
#include "render/RenderBars.h"
#include "summary/SummaryText.h"

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
    std::vector<summary::SummaryLine> summary; // empty without photometric data
};

// Everything the sheet shows of a loaded record. description is the viewer's six-line
// description, lines ended by carriage returns; the light pattern of plane 0 is rendered with
// the controls given. A pattern that cannot be rendered is named in its caption, not fatal.
DataSheetContent MakeDataSheet(const QString& fileName, const std::string& description,
                               const tIES& record, const LuminaireFacts& facts,
                               const RenderControls& controls);

// Letter where the locale measures in US units, A4 everywhere else.
QPageSize::PageSizeId SheetPageSize(QLocale::MeasurementSystem system);

// Writes the one-page PDF. Throws LumetraError when the file cannot be written.
void WriteDataSheet(const QString& pdfName, const DataSheetContent& sheet,
                    QPageSize::PageSizeId pageSize);

} // namespace lumetra
