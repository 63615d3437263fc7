#include "TrackBars.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>

namespace lumetra {

TTrackBar::TTrackBar(QWidget* parent) : QSlider(Qt::Horizontal, parent) {
    setTickPosition(QSlider::TicksBothSides);
    setTickInterval(1);
    setSingleStep(1);
    setPageStep(2);
}

void TTrackBar::keyReleaseEvent(QKeyEvent* event) {
    QSlider::keyReleaseEvent(event);
    // A held key repeats as release-and-press pairs here; only the real release counts.
    if (!event->isAutoRepeat())
        emit keyUp();
}

void TTrackBar::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QSlider::mouseReleaseEvent(event);
        return;
    }
    // The handler runs while the drag is still held, as the render it may start must finish
    // before the bar lets go of the mouse.
    emit leftReleased();
    QSlider::mouseReleaseEvent(event);
}

void TTrackBarDegree::wheelEvent(QWheelEvent* event) {
    event->ignore();
}

} // namespace lumetra
