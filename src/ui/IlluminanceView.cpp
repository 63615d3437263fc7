#include "IlluminanceView.h"

#include <QMouseEvent>
#include <QPainter>

namespace lumetra {

IlluminanceView::IlluminanceView(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setMinimumSize(420, 320);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void IlluminanceView::SetPanels(std::vector<IlluminancePanel> panels) {
    panels_ = std::move(panels);
    Redraw();
}

void IlluminanceView::Redraw() {
    image_ = QImage(size(), QImage::Format_RGB32);
    if (image_.isNull())
        return;
    QPainter painter(&image_);
    PaintIlluminance(painter, size(), panels_);
    update();
}

std::optional<std::pair<std::size_t, QPointF>> IlluminanceView::PlaneAt(QPointF at) const {
    if (panels_.empty())
        return std::nullopt;
    const qreal width = static_cast<qreal>(this->width()) / static_cast<qreal>(panels_.size());
    const auto k = static_cast<std::size_t>(std::max(0.0, at.x() / width));
    if (k >= panels_.size())
        return std::nullopt;
    const QRectF area = PanelArea(size(), panels_.size(), k);
    const auto uv = PlotToPlane(PlotRect(area, panels_[k]), panels_[k], at);
    if (!uv)
        return std::nullopt;
    return std::pair{k, *uv};
}

void IlluminanceView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, image_);
}

void IlluminanceView::resizeEvent(QResizeEvent*) {
    Redraw();
}

void IlluminanceView::mouseMoveEvent(QMouseEvent* event) {
    const auto at = PlaneAt(event->position());
    emit pointed(at ? static_cast<int>(at->first) : -1, at ? at->second : QPointF());
}

void IlluminanceView::leaveEvent(QEvent*) {
    emit pointed(-1, QPointF());
}

} // namespace lumetra
