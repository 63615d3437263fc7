#include "GoniogramExport.h"

#include "PictureFile.h"
#include "QPainterSurface.h"
#include "data/Errors.h"
#include "gonio/CanvasLock.h"

#include <QFileInfo>
#include <QFontMetrics>
#include <QPainter>
#include <QPicture>
#include <QSvgGenerator>
#include <algorithm>

namespace lumetra {

namespace {

// Each shrink of the square moves the drawing's overhang a little; a few rounds settle it.
constexpr int kPlacementRounds = 6;

// One lock over grid and curves: an SVG document is written when its painter ends.
void DrawGoniogram(QPainterSurface& surface, int side, const tIES& record, const GonioView& view) {
    CanvasLock lock(surface);
    ShowGrid(surface, side, side);
    DrawIES(surface, side, side, record, view);
}

void DrawGoniogram(QPainter& painter, int side, const tIES& record, const GonioView& view) {
    QPainterSurface surface(painter);
    surface.SetButtonFace(Qt::white);
    DrawGoniogram(surface, side, record, view);
}

// A recording bounds the shapes drawn on it but not the text, whose boxes are gathered here.
class TextBoundsSurface : public QPainterSurface {
  public:
    using QPainterSurface::QPainterSurface;
    void TextOut(int x, int y, const std::string& text) override {
        const QFontMetrics metrics(ToQFont(font));
        const QString shown = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
        textBounds |= QRect(x, y, metrics.horizontalAdvance(shown), metrics.height());
        QPainterSurface::TextOut(x, y, text);
    }
    QRect textBounds;
};

// How far the drawing on a side x side square reaches beyond the square, on its worst side.
int Overhang(int side, const tIES& record, const GonioView& view) {
    QPicture recording;
    QPainter painter(&recording);
    QRect drawn;
    {
        TextBoundsSurface surface(painter);
        DrawGoniogram(surface, side, record, view);
        drawn = surface.textBounds;
    }
    painter.end();
    // A line's last pixel and the edge of a smoothed glyph lie one pixel beyond the bounds.
    drawn = (drawn | recording.boundingRect()).adjusted(-1, -1, 1, 1);
    return std::max(
        {0, -drawn.left(), -drawn.top(), drawn.right() + 1 - side, drawn.bottom() + 1 - side});
}

} // namespace

// The paint area's own layout, run on the picture less the overhang on every side, gives the
// square; the overhang is measured on the square it gives until the two agree.
QRect GoniogramPlacement(QSize picture, const tIES& record, const GonioView& view) {
    int overhang = 0;
    PaintAreaBounds bounds;
    for (int round = 0; round < kPlacementRounds; ++round) {
        bounds = PaintAreaLayout(picture.width() - 2 * overhang, picture.height() - 2 * overhang);
        if (bounds.size <= 0)
            break;
        const int measured = Overhang(bounds.size, record, view);
        if (measured <= overhang)
            break;
        overhang = measured;
    }
    return QRect(bounds.left + overhang, bounds.top + overhang, bounds.size, bounds.size);
}

void PaintGoniogram(QPainter& painter, QSize picture, const tIES& record, const GonioView& view) {
    painter.fillRect(QRect(QPoint(0, 0), picture), Qt::white);
    const QRect square = GoniogramPlacement(picture, record, view);
    if (square.isEmpty())
        return;
    painter.save();
    painter.translate(square.topLeft());
    DrawGoniogram(painter, square.width(), record, view);
    painter.restore();
}

QImage GoniogramImage(QSize picture, const tIES& record, const GonioView& view) {
    QImage image(picture, QImage::Format_RGB32);
    if (image.isNull())
        throw LumetraError("Not enough memory for a picture of " + std::to_string(picture.width()) +
                           " x " + std::to_string(picture.height()) + " pixels");
    QPainter painter(&image);
    PaintGoniogram(painter, picture, record, view);
    return image;
}

void ExportGoniogram(const ExportTarget& target, QSize picture, const tIES& record,
                     const GonioView& view, const QString& title) {
    if (target.format == ExportFormat::Svg) {
        WriteSvgFile(target.fileName, picture, title, [&](QSvgGenerator& svg) {
            QPainter painter(&svg);
            PaintGoniogram(painter, picture, record, view);
        });
        return;
    }
    const char* format = target.format == ExportFormat::Jpeg ? "JPEG" : "PNG";
    WriteImageFile(target.fileName, GoniogramImage(picture, record, view), format);
}

void ExportGoniogramAsShown(const QString& fileName, int size, const tIES& record,
                            const GonioView& view, const QString& title) {
    if (QFileInfo(fileName).suffix().compare("svg", Qt::CaseInsensitive) == 0) {
        WriteSvgFile(fileName, QSize(size, size), title, [&](QSvgGenerator& svg) {
            QPainterSurface surface(&svg);
            DrawGoniogram(surface, size, record, view);
        });
        return;
    }
    QImage image(size, size, QImage::Format_RGB32);
    if (image.isNull())
        throw LumetraError("Not enough memory for a picture of " + std::to_string(size) +
                           " pixels");
    QPainterSurface surface(&image);
    DrawGoniogram(surface, size, record, view);
    WriteImageFile(fileName, image, "PNG");
}

} // namespace lumetra
