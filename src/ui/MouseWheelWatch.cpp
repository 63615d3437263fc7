#include "MouseWheelWatch.h"

#include "viewer/ViewerModel.h"

#include <QApplication>
#include <QWheelEvent>
#include <QWidget>

namespace lumetra {

MouseWheelWatch::MouseWheelWatch(QWidget* window) : QObject(window), window_(window) {
    qApp->installEventFilter(this);
}

bool MouseWheelWatch::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Wheel && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->window() == window_)
        Count(*static_cast<QWheelEvent*>(event));
    return QObject::eventFilter(watched, event);
}

void MouseWheelWatch::Count(const QWheelEvent& event) {
    if (event.timestamp() != 0 && event.timestamp() == lastTimestamp_)
        return;
    lastTimestamp_ = event.timestamp();
    const WheelTurn turn = notches_.Add(event.angleDelta().y());
    if (turn.message)
        emit turned(ShiftState(event.modifiers(), event.buttons()), turn);
}

int ShiftState(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons) {
    int state = 0;
    state |= modifiers.testFlag(Qt::ShiftModifier) ? kShiftKey : 0;
    state |= modifiers.testFlag(Qt::AltModifier) ? kAltKey : 0;
    state |= modifiers.testFlag(Qt::ControlModifier) ? kCtrlKey : 0;
    state |= buttons.testFlag(Qt::LeftButton) ? kLeftButton : 0;
    state |= buttons.testFlag(Qt::RightButton) ? kRightButton : 0;
    state |= buttons.testFlag(Qt::MiddleButton) ? kMiddleButton : 0;
    return state;
}

} // namespace lumetra
