#include "DiagramExport.h"

#include "PictureFile.h"
#include "QPainterSurface.h"
#include "data/Errors.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>

namespace lumetra {

namespace {

// PDF pages measure pixels at the usual screen resolution, so a picture prints at its size.
constexpr int kPdfResolution = 96;

void WriteSvg(QSaveFile& file, QSize picture, const diagrams::DiagramData& data,
              const diagrams::DiagramRequest& request, const QString& title) {
    QSvgGenerator svg;
    svg.setOutputDevice(&file);
    svg.setSize(picture);
    svg.setViewBox(QRect(QPoint(0, 0), picture));
    svg.setTitle(title);
    svg.setResolution(kPdfResolution);
    QPainter painter(&svg);
    PaintDiagram(painter, picture, data, request);
}

void WritePdf(QSaveFile& file, QSize picture, const diagrams::DiagramData& data,
              const diagrams::DiagramRequest& request, const QString& title) {
    QPdfWriter pdf(&file);
    pdf.setTitle(title);
    pdf.setResolution(kPdfResolution);
    const QSizeF points = QSizeF(picture) * 72.0 / kPdfResolution;
    pdf.setPageLayout(QPageLayout(QPageSize(points, QPageSize::Point, {}, QPageSize::ExactMatch),
                                  QPageLayout::Portrait, QMarginsF()));
    QPainter painter(&pdf);
    PaintDiagram(painter, picture, data, request);
}

} // namespace

void PaintDiagram(QPainter& painter, QSize picture, const diagrams::DiagramData& data,
                  const diagrams::DiagramRequest& request, const diagrams::SolidMesh* solid) {
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    QPainterSurface surface(painter);
    diagrams::DrawDiagram(surface, {0, 0, picture.width(), picture.height()}, data, request, solid);
}

QImage DiagramImage(QSize picture, const diagrams::DiagramData& data,
                    const diagrams::DiagramRequest& request, qreal devicePixelRatio,
                    const diagrams::SolidMesh* solid) {
    const QSize pixels = (QSizeF(picture) * devicePixelRatio).toSize();
    QImage image(pixels, QImage::Format_RGB32);
    if (image.isNull())
        throw LumetraError("Not enough memory for a picture of " + std::to_string(pixels.width()) +
                           " x " + std::to_string(pixels.height()) + " pixels");
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::white);
    QPainter painter(&image);
    PaintDiagram(painter, picture, data, request, solid);
    return image;
}

void ExportDiagram(const ExportTarget& target, QSize picture, const diagrams::DiagramData& data,
                   const diagrams::DiagramRequest& request, const QString& title) {
    WriteAtomically(target.fileName, [&](QSaveFile& file) {
        if (target.format == ExportFormat::Svg) {
            WriteSvg(file, picture, data, request, title);
        } else if (target.format == ExportFormat::Pdf) {
            WritePdf(file, picture, data, request, title);
        } else {
            const char* format = target.format == ExportFormat::Jpeg ? "JPEG" : "PNG";
            if (!DiagramImage(picture, data, request).save(&file, format))
                CannotWrite(target.fileName, file.errorString());
        }
    });
}

} // namespace lumetra
