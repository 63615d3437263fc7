#include "Picture.h"

#include <QContextMenuEvent>
#include <QPainter>

namespace lumetra {

void TPicture::SetPicture(QImage picture) {
    picture_ = std::move(picture);
    update();
}

void TPicture::paintEvent(QPaintEvent*) {
    if (picture_.isNull())
        return;
    QPainter painter(this);
    painter.drawImage(0, 0, picture_);
}

void TPicture::contextMenuEvent(QContextMenuEvent* event) {
    emit contextMenuWanted(event->globalPos());
}

} // namespace lumetra
