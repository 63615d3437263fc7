#pragma once
// Every picture (PNG, JPEG, SVG) and every PDF that the program writes goes through here, written
// atomically: into a temporary file in the target's folder that takes the target's name only
// once the whole document is in it, so a failed write leaves the file that was there as it was.

#include <QPageSize>
#include <QSaveFile>
#include <QSize>
#include <QString>
#include <functional>

class QImage;
class QPainter;
class QPdfWriter;
class QSvgGenerator;

namespace lumetra {

// Throws LumetraError "Cannot write NAME", followed by ": REASON" when a reason is given.
[[noreturn]] void CannotWrite(const QString& fileName, const QString& reason = {});

// Opens the temporary file, lets write fill it, then puts it in place. When write throws, or the
// file cannot be opened or put in place, the target stays as it was and LumetraError is thrown.
void WriteAtomically(const QString& fileName, const std::function<void(QSaveFile& file)>& write);

// The image as "PNG" or "JPEG".
void WriteImageFile(const QString& fileName, const QImage& image, const char* format);

// An SVG document of that size, its view box the same, with a title; draw paints it.
void WriteSvgFile(const QString& fileName, QSize picture, const QString& title,
                  const std::function<void(QSvgGenerator& svg)>& draw);

// A PDF on pages of that size with equal margins in millimetres, one unit a point; draw paints
// it, the area inside the margins starting at (0, 0), and turns the pages itself.
struct PdfPages {
    QPageSize::PageSizeId size;
    qreal marginMm;
    QString title;
    QString creator = "Lumetra";
};
void WritePdf(const QString& pdfName, const PdfPages& pages,
              const std::function<void(QPdfWriter& writer, QPainter& painter)>& draw);

} // namespace lumetra
