#include "DiagramView.h"

#include "diagrams/DiagramChoices.h"
#include "surface/DiagramExport.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

namespace lumetra {

namespace {

constexpr int kWheelNotch = 120;

} // namespace

TDiagramView::TDiagramView(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(240, 200);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TDiagramView::Show(const diagrams::DiagramData* shown, const diagrams::DiagramRequest& request,
                        const diagrams::SolidMesh* solid) {
    data_ = shown;
    request_ = request;
    solid_ = solid;
    picture_ = QImage();
    update();
}

bool TDiagramView::ShowsSolid() const {
    return data_ && request_.kind == diagrams::DiagramKind::Solid;
}

QImage TDiagramView::Picture() {
    if (picture_.isNull() && data_ && width() > 0 && height() > 0)
        picture_ = DiagramImage(size(), *data_, request_, devicePixelRatioF(), solid_);
    return picture_;
}

void TDiagramView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QImage picture = Picture();
    if (picture.isNull()) {
        painter.fillRect(rect(), Qt::white);
        painter.drawText(rect(), Qt::AlignCenter, tr("No photometric file loaded"));
        return;
    }
    painter.drawImage(QPoint(0, 0), picture);
}

void TDiagramView::resizeEvent(QResizeEvent*) {
    picture_ = QImage();
}

void TDiagramView::SetView(const diagrams::SolidView& view) {
    request_.azimuth = view.azimuth;
    request_.elevation = view.elevation;
    request_.zoom = view.zoom;
    picture_ = QImage();
    update();
    emit viewChanged();
}

void TDiagramView::mousePressEvent(QMouseEvent* event) {
    dragFrom_ = event->position().toPoint();
    setFocus(Qt::MouseFocusReason);
}

void TDiagramView::mouseMoveEvent(QMouseEvent* event) {
    if (!ShowsSolid() || !(event->buttons() & Qt::LeftButton))
        return;
    const QPoint moved = event->position().toPoint() - dragFrom_;
    dragFrom_ = event->position().toPoint();
    const diagrams::SolidView view{request_.azimuth, request_.elevation, request_.zoom};
    SetView(
        diagrams::Turned(view, -moved.x() * diagrams::kDragTurn, moved.y() * diagrams::kDragTurn));
}

void TDiagramView::wheelEvent(QWheelEvent* event) {
    if (!ShowsSolid())
        return QWidget::wheelEvent(event);
    const diagrams::SolidView view{request_.azimuth, request_.elevation, request_.zoom};
    SetView(diagrams::Zoomed(view, double(event->angleDelta().y()) / kWheelNotch));
}

void TDiagramView::keyPressEvent(QKeyEvent* event) {
    const diagrams::SolidView view{request_.azimuth, request_.elevation, request_.zoom};
    const double turn = diagrams::kKeyTurn;
    if (!ShowsSolid())
        return QWidget::keyPressEvent(event);
    switch (event->key()) {
    case Qt::Key_Left:
        return SetView(diagrams::Turned(view, turn, 0));
    case Qt::Key_Right:
        return SetView(diagrams::Turned(view, -turn, 0));
    case Qt::Key_Up:
        return SetView(diagrams::Turned(view, 0, turn));
    case Qt::Key_Down:
        return SetView(diagrams::Turned(view, 0, -turn));
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        return SetView(diagrams::Zoomed(view, 1));
    case Qt::Key_Minus:
        return SetView(diagrams::Zoomed(view, -1));
    default:
        return QWidget::keyPressEvent(event);
    }
}

} // namespace lumetra
