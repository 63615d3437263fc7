#include "PaintBox.h"

#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

namespace lumetra {

TPaintBox::TPaintBox(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
}

void TPaintBox::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    PrepareImage();
}

void TPaintBox::PrepareImage() {
    const QSize wanted = size().expandedTo(QSize(1, 1));
    if (image_.size() == wanted)
        return;
    image_ = QImage(wanted, QImage::Format_RGB32);
    image_.fill(palette().color(QPalette::Button));
}

bool TPaintBox::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip || !toolTipAt)
        return QWidget::event(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    const QString text = toolTipAt(help->pos());
    if (text.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(help->globalPos(), text, this);
    return true;
}

void TPaintBox::contextMenuEvent(QContextMenuEvent* event) {
    if (onContextMenu)
        onContextMenu(event->globalPos());
}

void TPaintBox::paintEvent(QPaintEvent*) {
    if (onPaint)
        onPaint();
    QPainter painter(this);
    painter.drawImage(0, 0, image_);
}

void TPaintBox::mousePressEvent(QMouseEvent* event) {
    leftPressed_ = event->button() == Qt::LeftButton;
    if (onMouseDown)
        onMouseDown(event->button(), event->buttons(), event->modifiers());
}

void TPaintBox::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = leftPressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    leftPressed_ = false;
    if (click && onClick)
        onClick();
}

} // namespace lumetra
