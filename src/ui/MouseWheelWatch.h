#pragma once
// The mouse wheel over a whole window: every wheel message that reaches one of its widgets is seen
// before its target and left to it, counted in whole notches of the vertical wheel.

#include "viewer/WheelNotches.h"

#include <QObject>

class QWheelEvent;
class QWidget;

namespace lumetra {

class MouseWheelWatch : public QObject {
    Q_OBJECT
  public:
    // Watches the application's wheel messages for that window; owned by the window.
    explicit MouseWheelWatch(QWidget* window);

  signals:
    // One wheel message with the modifier set (ShiftStateBits) and the notches it completed.
    void turned(int shiftState, const WheelTurn& turn);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Count(const QWheelEvent& event);

    QWidget* window_;
    WheelNotches notches_;
    quint64 lastTimestamp_ = 0; // one wheel message reaches several widgets in turn
};

// Modifier set of a mouse event (ShiftStateBits).
int ShiftState(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons);

} // namespace lumetra
