#include "GoniogramExport.h"

#include "QPainterSurface.h"
#include "data/Errors.h"
#include "gonio/CanvasLock.h"

#include <QFile>
#include <QFileInfo>
#include <QSvgGenerator>

namespace lumetra {

namespace {

// One lock over grid and curves: an SVG document is written when its painter ends.
void DrawGoniogram(QPainterSurface& surface, int size, const tIES& record, const GonioView& view) {
    CanvasLock lock(surface);
    ShowGrid(surface, size, size);
    DrawIES(surface, size, size, record, view);
}

[[noreturn]] void CannotWrite(const QString& fileName, const QString& reason) {
    QString text = "Cannot write " + fileName;
    if (!reason.isEmpty())
        text += ": " + reason;
    throw LumetraError(text.toStdString());
}

void WriteSvg(const QString& fileName, int size, const tIES& record, const GonioView& view,
              const QString& title) {
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        CannotWrite(fileName, file.errorString());
    QSvgGenerator svg;
    svg.setOutputDevice(&file);
    svg.setSize(QSize(size, size));
    svg.setViewBox(QRect(0, 0, size, size));
    svg.setTitle(title);
    QPainterSurface surface(&svg);
    DrawGoniogram(surface, size, record, view);
    file.close();
    if (file.error() != QFileDevice::NoError)
        CannotWrite(fileName, file.errorString());
}

} // namespace

QImage GoniogramImage(int size, const tIES& record, const GonioView& view) {
    QImage image(size, size, QImage::Format_RGB32);
    if (image.isNull())
        throw LumetraError("Not enough memory for a picture of " + std::to_string(size) +
                           " pixels");
    QPainterSurface surface(&image);
    DrawGoniogram(surface, size, record, view);
    return image;
}

void ExportGoniogram(const QString& fileName, int size, const tIES& record, const GonioView& view,
                     const QString& title) {
    if (QFileInfo(fileName).suffix().compare("svg", Qt::CaseInsensitive) == 0) {
        WriteSvg(fileName, size, record, view, title);
        return;
    }
    if (!GoniogramImage(size, record, view).save(fileName, "PNG"))
        CannotWrite(fileName, {});
}

} // namespace lumetra
