#include "PictureFile.h"

#include "data/Errors.h"

#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

namespace lumetra {

void CannotWrite(const QString& fileName, const QString& reason) {
    QString text = "Cannot write " + fileName;
    if (!reason.isEmpty())
        text += ": " + reason;
    throw LumetraError(text.toStdString());
}

void WriteAtomically(const QString& fileName, const std::function<void(QSaveFile& file)>& write) {
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        CannotWrite(fileName, file.errorString());
    write(file); // an error here drops the temporary file with the QSaveFile
    if (!file.commit())
        CannotWrite(fileName, file.errorString());
}

void WriteImageFile(const QString& fileName, const QImage& image, const char* format) {
    WriteAtomically(fileName, [&](QSaveFile& file) {
        if (!image.save(&file, format))
            CannotWrite(fileName);
    });
}

void WriteSvgFile(const QString& fileName, QSize picture, const QString& title,
                  const std::function<void(QSvgGenerator& svg)>& draw) {
    WriteAtomically(fileName, [&](QSaveFile& file) {
        QSvgGenerator svg;
        svg.setOutputDevice(&file);
        svg.setSize(picture);
        svg.setViewBox(QRect(QPoint(0, 0), picture));
        svg.setTitle(title);
        draw(svg);
    });
}

void WritePdf(const QString& pdfName, const PdfPages& pages,
              const std::function<void(QPdfWriter& writer, QPainter& painter)>& draw) {
    WriteAtomically(pdfName, [&](QSaveFile& file) {
        QPdfWriter writer(&file);
        writer.setPageSize(QPageSize(pages.size));
        const qreal margin = pages.marginMm;
        writer.setPageMargins(QMarginsF(margin, margin, margin, margin), QPageLayout::Millimeter);
        writer.setResolution(72); // one unit is one point
        writer.setTitle(pages.title);
        writer.setCreator(pages.creator);
        QPainter painter;
        if (!painter.begin(&writer))
            CannotWrite(pdfName);
        painter.setRenderHint(QPainter::Antialiasing);
        draw(writer, painter);
        if (!painter.end())
            CannotWrite(pdfName);
    });
}

} // namespace lumetra
