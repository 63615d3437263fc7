// The main window's render requests: the Render button, automatic update, the plane selector's
// releases and the mouse wheel.

#include "FileNameBytes.h"
#include "MessageBox.h"
#include "Uies.h"
#include "UiesRender.h"
#include "data/ProgramData.h"

#include <QFile>

namespace lumetra {

namespace {} // namespace

void TMainWindow::TrackBarDegreeRelease() {
    if (RenderWindow && RenderWindow->isVisible() &&
        TrackBarDegree->value() != LastRenderedDegree && SpeedButtonUpdate->isChecked())
        RenderWindow->DoRender();
}

void TMainWindow::ApplyRenderButtonRule() {
    const bool renderWindowShows = RenderWindow && RenderWindow->isVisible();
    ButtonRender->setEnabled(!(SpeedButtonUpdate->isChecked() && renderWindowShows));
}

void TMainWindow::ButtonRenderClick() {
    const QString fileName = SelectedFileName();
    if (fileName.isEmpty()) {
        ShowMessage(this, "Please select file");
        return;
    }
    if (!RenderWindow)
        return;
    if (!RenderWindow->isVisible()) {
        RenderWindow->show(); // showing renders
        return;
    }
    if (TrackBarDegree->value() == LastRenderedDegree &&
        FileNameBytes(fileName) == LastRenderedFile) {
        RenderWindow->raise(); // already current: only to the front
        return;
    }
    QWidget* focused = focusWidget();
    RenderWindow->DoRender();
    show();
    raise();
    activateWindow();
    if (focused)
        focused->setFocus();
}

void TMainWindow::SpeedButtonUpdateClick() {
    ApplyRenderButtonRule();
    if (RenderWindow && RenderWindow->isVisible())
        ButtonRenderClick();
}

void TMainWindow::FormMouseWheel(int shiftState) {
    if (shiftState == ssMiddle)
        ShowMessage(this, "Click!");
}

void TMainWindow::FormMouseWheelDown(int shiftState) {
    StepPlane(shiftState, +1);
}

void TMainWindow::FormMouseWheelUp(int shiftState) {
    StepPlane(shiftState, -1);
}

void TMainWindow::StepPlane(int shiftState, int step) {
    if (!TrackBarDegree->isEnabled() || shiftState != ssShift)
        return;
    const int position = TrackBarDegree->value();
    if ((step > 0 && position >= TrackBarDegree->maximum()) ||
        (step < 0 && position <= TrackBarDegree->minimum()))
        return;
    TrackBarDegree->setValue(position + step);
    if (RenderWindow && RenderWindow->isVisible())
        ButtonRenderClick();
}

// Runs the wheel handlers once per wheel message, one notch handler per 120 units, and leaves
// the event to its target.
void TMainWindow::HandleWheel(const QWheelEvent& event) {
    if (event.timestamp() != 0 && event.timestamp() == lastWheelTimestamp_)
        return;
    lastWheelTimestamp_ = event.timestamp();
    const int shiftState = ShiftState(event.modifiers(), event.buttons());
    // Some platforms turn a vertical wheel into a horizontal one while Shift is held.
    const QPoint angle = event.angleDelta();
    wheelDelta_ += angle.y() != 0 ? angle.y() : angle.x();
    Guarded(this, [&] {
        FormMouseWheel(shiftState);
        for (; wheelDelta_ <= -120; wheelDelta_ += 120)
            FormMouseWheelDown(shiftState);
        for (; wheelDelta_ >= 120; wheelDelta_ -= 120)
            FormMouseWheelUp(shiftState);
    });
}

int ShiftState(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons) {
    int state = 0;
    state |= modifiers.testFlag(Qt::ShiftModifier) ? ssShift : 0;
    state |= modifiers.testFlag(Qt::AltModifier) ? ssAlt : 0;
    state |= modifiers.testFlag(Qt::ControlModifier) ? ssCtrl : 0;
    state |= buttons.testFlag(Qt::LeftButton) ? ssLeft : 0;
    state |= buttons.testFlag(Qt::RightButton) ? ssRight : 0;
    state |= buttons.testFlag(Qt::MiddleButton) ? ssMiddle : 0;
    return state;
}

} // namespace lumetra
