#include "ComparePicture.h"

#include "compare/ComparisonText.h"
#include "data/Errors.h"
#include "diagrams/CartesianDiagram.h"
#include "diagrams/DiagramTexts.h"
#include "diagrams/PolarDiagram.h"
#include "surface/PictureFile.h"
#include "surface/QPainterSurface.h"
#include "translate/Translations.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

namespace lumetra::compare {

namespace {

diagrams::DiagramOptions OptionsOf(const CompareDrawing& drawing, bool polar) {
    diagrams::DiagramOptions options;
    options.unit = UnitName(drawing.unit);
    options.caption = drawing.caption;
    options.wording = TranslatedUtf8;
    if (!polar)
        options.angleAxis = diagrams::texts::Words(
            options.wording,
            drawing.typeC ? diagrams::texts::kGammaAxis : diagrams::texts::kAcrossBeamAxis);
    return options;
}

void PaintBoth(QPainter& painter, QSize size, const CompareDrawing& drawing) {
    const int half = size.width() / 2;
    PaintDiagram(painter, QRect(0, 0, half, size.height()), drawing, true);
    PaintDiagram(painter, QRect(half, 0, size.width() - half, size.height()), drawing, false);
}

} // namespace

void PaintDiagram(QPainter& painter, const QRect& area, const CompareDrawing& drawing, bool polar) {
    painter.fillRect(area, Qt::white);
    QPainterSurface surface(painter);
    const diagrams::Box box{area.left(), area.top(), area.width(), area.height()};
    surface.Lock();
    if (polar)
        diagrams::DrawPolarDiagram(surface, box, drawing.series, OptionsOf(drawing, true));
    else
        diagrams::DrawCartesianDiagram(surface, box, drawing.series, OptionsOf(drawing, false));
    surface.Unlock();
}

QImage DiagramImage(QSize size, const CompareDrawing& drawing, bool polar) {
    QImage image(size.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    if (image.isNull())
        throw LumetraError("Not enough memory for the comparison's picture");
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    PaintDiagram(painter, image.rect(), drawing, polar);
    return image;
}

void ExportComparePicture(const ExportTarget& target, const CompareDrawing& drawing) {
    const QSize size = kComparePictureSize;
    if (target.format == ExportFormat::Svg) {
        WriteSvgFile(target.fileName, size, "Comparison", [&](QSvgGenerator& svg) {
            QPainter painter(&svg);
            PaintBoth(painter, size, drawing);
        });
        return;
    }
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    PaintBoth(painter, size, drawing);
    painter.end();
    WriteImageFile(target.fileName, image, target.format == ExportFormat::Jpeg ? "JPEG" : "PNG");
}

} // namespace lumetra::compare
