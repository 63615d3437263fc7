#include "DiagramView.h"

#include <QPainter>

namespace lumetra::compare {

DiagramView::DiagramView(bool polar, QWidget* parent) : QWidget(parent), polar_(polar) {
    setMinimumSize(280, 260);
    setAccessibleName(polar ? tr("Polar diagram") : tr("Cartesian diagram"));
}

void DiagramView::Show(const CompareDrawing& drawing) {
    drawing_ = drawing;
    update();
}

void DiagramView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    PaintDiagram(painter, rect(), drawing_, polar_);
}

} // namespace lumetra::compare
