#include "Picture.h"

#include "ScreenDensity.h"

#include <QContextMenuEvent>
#include <QPainter>

namespace lumetra {

void TPicture::SetPicture(QImage picture) {
    picture_ = std::move(picture);
    shown_ = QImage();
    update();
}

const QImage& TPicture::Shown() {
    if (picture_.isNull())
        return picture_;
    const qreal ratio = devicePixelRatioF();
    if (shown_.isNull() || shown_.devicePixelRatio() != ratio) {
        shown_ = picture_.scaled(DeviceSize(picture_.size(), ratio), Qt::IgnoreAspectRatio,
                                 Qt::FastTransformation);
        shown_.setDevicePixelRatio(ratio);
    }
    return shown_;
}

bool TPicture::event(QEvent* event) {
    if (ChangesDensity(*event))
        update(); // the paint scales the picture anew for the new density
    return QWidget::event(event);
}

void TPicture::paintEvent(QPaintEvent*) {
    if (picture_.isNull())
        return;
    QPainter painter(this);
    painter.drawImage(0, 0, Shown());
}

void TPicture::contextMenuEvent(QContextMenuEvent* event) {
    emit contextMenuWanted(event->globalPos());
}

} // namespace lumetra
