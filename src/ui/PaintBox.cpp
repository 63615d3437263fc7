#include "PaintBox.h"

#include "ScreenDensity.h"

#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>

namespace lumetra {

TPaintBox::TPaintBox(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
}

void TPaintBox::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    PrepareImage();
}

// The image holds a device pixel for every screen pixel while drawing code keeps to logical
// coordinates: a painter on an image with a device pixel ratio scales everything it draws.
void TPaintBox::PrepareImage() {
    const qreal ratio = devicePixelRatioF();
    const QSize wanted = DeviceSize(size().expandedTo(QSize(1, 1)), ratio);
    if (image_.size() == wanted && image_.devicePixelRatio() == ratio)
        return;
    image_ = QImage(wanted, QImage::Format_RGB32);
    ++imageSerial_;
    image_.setDevicePixelRatio(ratio);
    image_.fill(palette().color(QPalette::Button));
}

bool TPaintBox::event(QEvent* event) {
    if (ChangesDensity(*event))
        update(); // the paint redraws the image at the new density
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    emit toolTipWanted(help->pos(), help->globalPos());
    return true;
}

void TPaintBox::contextMenuEvent(QContextMenuEvent* event) {
    emit contextMenuWanted(event->globalPos());
}

void TPaintBox::paintEvent(QPaintEvent*) {
    emit painting();
    QPainter painter(this);
    painter.drawImage(0, 0, image_);
}

void TPaintBox::mousePressEvent(QMouseEvent* event) {
    leftPressed_ = event->button() == Qt::LeftButton;
    emit mouseDown(event->button(), event->buttons());
}

void TPaintBox::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = leftPressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    leftPressed_ = false;
    if (click)
        emit clicked();
}

} // namespace lumetra
