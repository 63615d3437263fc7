#include "QPainterSurface.h"

#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPaintDevice>
#include <QPainter>
#include <QPalette>
#include <QRect>
#include <algorithm>
#include <cmath>
#include <utility>

namespace lumetra {

namespace {

// The toolkit's height for a font that asks for height 0.
constexpr int kDefaultPixelSize = 11;
// Larger text is of no use on any surface and would only cost glyph memory.
constexpr int kLargestPixelSize = 2048;

Qt::PenStyle ToQtPenStyle(PenStyle style) {
    switch (style) {
    case PenStyle::Solid:
        return Qt::SolidLine;
    case PenStyle::Dash:
        return Qt::DashLine;
    case PenStyle::Dot:
        return Qt::DotLine;
    case PenStyle::DashDot:
        return Qt::DashDotLine;
    case PenStyle::DashDotDot:
        return Qt::DashDotDotLine;
    case PenStyle::Clear:
        return Qt::NoPen;
    }
    return Qt::SolidLine;
}

// The box with its right and bottom edges outside, put in order; a box given backwards covers
// the same pixels as the one given forwards.
QRect BoxOf(int left, int top, int right, int bottom) {
    if (left > right)
        std::swap(left, right);
    if (top > bottom)
        std::swap(top, bottom);
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

// A positive height asks for the whole character cell; find the em size whose cell fits it.
int PixelSizeForCellHeight(QFont font, int cellHeight) {
    font.setPixelSize(cellHeight);
    const int measured = QFontMetrics(font).height();
    if (measured <= 0)
        return cellHeight;
    return std::max(1, static_cast<int>(std::lround(1.0 * cellHeight * cellHeight / measured)));
}

} // namespace

QPainterSurface::QPainterSurface(QPaintDevice* device) : device_(device) {}

QPainterSurface::QPainterSurface(QPainter& painter)
    : device_(painter.device()), painter_(&painter), givenPainter_(true) {}

QPainterSurface::~QPainterSurface() {
    FlushPolyline();
    if (ownPainter_ && ownPainter_->isActive())
        ownPainter_->end();
}

void QPainterSurface::SetDevice(QPaintDevice* device) {
    FlushPolyline();
    if (ownPainter_ && ownPainter_->isActive())
        ownPainter_->end();
    ownPainter_.reset();
    painter_ = nullptr;
    givenPainter_ = false;
    lockDepth_ = 0;
    device_ = device;
}

QColor QPainterSurface::Resolve(Color color) const {
    if (color == kClBtnFace && buttonFace_)
        return *buttonFace_;
    return ToQColor(color);
}

QColor QPainterSurface::ToQColor(Color color) {
    if (color == kClBtnFace)
        return qGuiApp != nullptr ? QGuiApplication::palette().color(QPalette::Button)
                                  : QColor(240, 240, 240);
    return QColor(static_cast<int>(color & 0xFFu), static_cast<int>((color >> 8) & 0xFFu),
                  static_cast<int>((color >> 16) & 0xFFu));
}

QFont QPainterSurface::ToQFont(const Font& font) {
    // fontconfig maps Windows family names such as "arial" onto installed metric-compatible
    // ones (Liberation Sans).
    QFont qfont(QString::fromStdString(font.name));
    const int height = std::clamp(font.height, -kLargestPixelSize, kLargestPixelSize);
    if (height < 0)
        qfont.setPixelSize(-height);
    else if (height > 0)
        qfont.setPixelSize(PixelSizeForCellHeight(qfont, height));
    else
        qfont.setPixelSize(kDefaultPixelSize);
    return qfont;
}

void QPainterSurface::Lock() {
    if (lockDepth_++ > 0 || device_ == nullptr || givenPainter_)
        return;
    ownPainter_ = std::make_unique<QPainter>();
    if (ownPainter_->begin(device_))
        painter_ = ownPainter_.get();
    else
        ownPainter_.reset();
}

void QPainterSurface::Unlock() {
    if (lockDepth_ == 0)
        return;
    if (--lockDepth_ > 0)
        return;
    FlushPolyline();
    if (ownPainter_) {
        ownPainter_->end();
        ownPainter_.reset();
        painter_ = nullptr;
    }
}

// Every drawing call sets all the painter state it uses, so a painter kept open by a lock needs
// no saving and restoring between calls.
template <typename Draw> void QPainterSurface::Paint(Draw&& draw) {
    FlushPolyline();
    if (painter_) {
        draw(*painter_);
        return;
    }
    if (device_ == nullptr)
        return;
    QPainter painter;
    if (!painter.begin(device_))
        return;
    draw(painter);
    painter.end();
}

void QPainterSurface::ApplyPen(QPainter& painter, const Pen& linePen) const {
    QPen qpen(Resolve(linePen.color));
    qpen.setStyle(ToQtPenStyle(linePen.style));
    qpen.setWidth(std::max(1, linePen.width));
    qpen.setCapStyle(Qt::RoundCap);
    qpen.setJoinStyle(Qt::RoundJoin);
    painter.setPen(qpen);
}

void QPainterSurface::ApplyPenAndBrush(QPainter& painter) const {
    ApplyPen(painter, pen);
    if (brush.style == BrushStyle::Solid)
        painter.setBrush(Resolve(brush.color));
    else
        painter.setBrush(Qt::NoBrush);
}

void QPainterSurface::Rectangle(int left, int top, int right, int bottom) {
    const QRect box = BoxOf(left, top, right, bottom);
    if (box.isEmpty())
        return;
    Paint([&](QPainter& painter) {
        // Fill the whole box, then outline its outermost pixels, so the fill never depends on
        // how the pen straddles the edge.
        if (brush.style == BrushStyle::Solid)
            painter.fillRect(box, Resolve(brush.color));
        ApplyPenAndBrush(painter);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(box.adjusted(0, 0, -1, -1));
    });
}

void QPainterSurface::Ellipse(int left, int top, int right, int bottom) {
    const QRect box = BoxOf(left, top, right, bottom);
    if (box.isEmpty())
        return;
    Paint([&](QPainter& painter) {
        ApplyPenAndBrush(painter);
        painter.drawEllipse(box.adjusted(0, 0, -1, -1));
    });
}

void QPainterSurface::MoveTo(int x, int y) {
    position_ = QPoint(x, y);
}

void QPainterSurface::LineTo(int x, int y) {
    const QPoint from = position_;
    position_ = QPoint(x, y);
    if (painter_) {
        const bool continues =
            !polyline_.isEmpty() && polyline_.back() == from && polylinePen_ == pen;
        if (!continues) {
            FlushPolyline();
            polyline_ << from;
            polylinePen_ = pen;
        }
        polyline_ << position_;
        return;
    }
    Paint([&](QPainter& painter) {
        ApplyPen(painter, pen);
        painter.drawLine(from, position_);
    });
}

void QPainterSurface::FlushPolyline() {
    if (polyline_.isEmpty())
        return;
    if (painter_) {
        ApplyPen(*painter_, polylinePen_);
        painter_->drawPolyline(polyline_);
    }
    polyline_.clear();
}

void QPainterSurface::Polygon(const std::vector<SurfacePoint>& corners) {
    if (corners.size() < 3)
        return;
    QPolygon polygon;
    polygon.reserve(static_cast<qsizetype>(corners.size()));
    for (const SurfacePoint& corner : corners)
        polygon << QPoint(corner.x, corner.y);
    Paint([&](QPainter& painter) {
        ApplyPenAndBrush(painter);
        painter.drawPolygon(polygon);
    });
}

TextExtent QPainterSurface::MeasureText(const std::string& text) const {
    const QFontMetrics metrics(ToQFont(font));
    const QString qtext = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    return {metrics.horizontalAdvance(qtext), metrics.height()};
}

void QPainterSurface::TextOut(int x, int y, const std::string& text) {
    const QString qtext = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    Paint([&](QPainter& painter) {
        const QFont qfont = ToQFont(font);
        painter.setFont(qfont);
        const QFontMetrics metrics = painter.fontMetrics();
        // An opaque brush gives the text a background box of the brush colour.
        if (brush.style == BrushStyle::Solid)
            painter.fillRect(QRect(x, y, metrics.horizontalAdvance(qtext), metrics.height()),
                             Resolve(brush.color));
        painter.setPen(Resolve(font.color));
        painter.drawText(QPoint(x, y + metrics.ascent()), qtext);
    });
}

} // namespace lumetra
