#include "Glyphs.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace lumetra {

namespace {

constexpr int kGlyphSize = 18;

template <typename Draw> QIcon Glyph(Draw&& draw) {
    QPixmap pixmap(kGlyphSize, kGlyphSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    draw(painter);
    return QIcon(pixmap);
}

void Arrowhead(QPainter& p, QPointF tip, QPointF back1, QPointF back2, const QColor& color) {
    QPainterPath head;
    head.moveTo(tip);
    head.lineTo(back1);
    head.lineTo(back2);
    head.closeSubpath();
    p.fillPath(head, color);
}

} // namespace

QIcon AutoUpdateGlyph() {
    return Glyph([](QPainter& p) {
        const QColor green(0, 128, 0);
        p.setPen(QPen(green, 2));
        const QRectF ring(3, 3, 12, 12);
        p.drawArc(ring, 30 * 16, 140 * 16);
        p.drawArc(ring, 210 * 16, 140 * 16);
        Arrowhead(p, {15.5, 9}, {12, 6.5}, {17.5, 5}, green);
        Arrowhead(p, {2.5, 9}, {6, 11.5}, {0.5, 13}, green);
    });
}

QIcon FitGlyph() {
    return Glyph([](QPainter& p) {
        p.setPen(QPen(QColor(90, 90, 90), 1));
        p.drawRect(QRectF(1.5, 1.5, 15, 15));
        QPainterPath lobe;
        lobe.moveTo(9, 3);
        lobe.cubicTo(1, 8, 2, 16, 9, 16);
        lobe.cubicTo(16, 16, 17, 8, 9, 3);
        p.setPen(QPen(QColor(220, 0, 0), 1.6));
        p.drawPath(lobe);
    });
}

QIcon OrthoGlyph() {
    return Glyph([](QPainter& p) {
        p.setPen(QPen(QColor(200, 128, 128), 1.6));
        p.drawEllipse(QRectF(2, 6.5, 14, 5));
        p.setPen(QPen(QColor(220, 0, 0), 1.6));
        p.drawEllipse(QRectF(6.5, 2, 5, 14));
    });
}

} // namespace lumetra
