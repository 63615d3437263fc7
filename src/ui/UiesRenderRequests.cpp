// The main window's render requests: the Render button, automatic update, the plane selector's
// releases and the mouse wheel. The rules are the viewer model's; these handlers carry them out.

#include "MessageBox.h"
#include "Uies.h"

namespace lumetra {

void TMainWindow::TrackBarDegreeRelease() {
    if (viewer_.ReleaseRenders())
        emit renderWanted();
}

void TMainWindow::ApplyRenderButtonRule() {
    ButtonRender->setEnabled(viewer_.RenderButtonEnabled());
}

void TMainWindow::ButtonRenderClick() {
    switch (viewer_.RenderRequest()) {
    case RenderAction::AskForFile:
        ShowMessage(this, tr("Please select file"));
        return;
    case RenderAction::ShowWindow:
        emit renderWindowWanted(); // showing renders
        return;
    case RenderAction::BringToFront:
        emit renderWindowToFront();
        return;
    case RenderAction::Render:
        RenderAndComeBack();
        return;
    }
}

// The main window takes the front and its focus back after the pass.
void TMainWindow::RenderAndComeBack() {
    QWidget* focused = focusWidget();
    emit renderWanted();
    show();
    raise();
    activateWindow();
    if (focused)
        focused->setFocus();
}

void TMainWindow::SpeedButtonUpdateClick() {
    ApplyRenderButtonRule();
    if (viewer_.RenderWindowVisible())
        ButtonRenderClick();
}

void TMainWindow::FormMouseWheel(int shiftState) {
    if (ViewerModel::WheelSaysClick(shiftState))
        ShowMessage(this, tr("Click!"));
}

void TMainWindow::FormMouseWheelDown(int shiftState) {
    StepPlane(shiftState, +1);
}

void TMainWindow::FormMouseWheelUp(int shiftState) {
    StepPlane(shiftState, -1);
}

void TMainWindow::StepPlane(int shiftState, int step) {
    const auto position = viewer_.WheelStep(shiftState, step);
    if (!position)
        return;
    TrackBarDegree->setValue(*position);
    if (viewer_.RenderWindowVisible())
        ButtonRenderClick();
}

// What the render window announces: its pass's progress in ProgressBarRender, the time it took
// in Label3, and its showing and hiding for the Render-button rule. The bar lies over the label:
// while it moves, the last pass's time is hidden.
void TMainWindow::RenderStarted() {
    ProgressBarRender->setValue(0);
    Label3->hide();
    ProgressBarRender->show();
}

void TMainWindow::RenderProgress(int row) {
    ProgressBarRender->setValue(row);
    ProgressBarRender->repaint();
}

void TMainWindow::RenderFinished(const QString& timeText) {
    ProgressBarRender->hide();
    Label3->setText(timeText);
    Label3->adjustSize();
    Label3->show();
}

void TMainWindow::RenderWindowShown(bool shown) {
    viewer_.SetRenderWindowVisible(shown);
    ApplyRenderButtonRule();
}

// One notch handler per whole notch of a wheel message, after the message's own handler.
void TMainWindow::RunWheelHandlers(int shiftState, const WheelTurn& turn) {
    FormMouseWheel(shiftState);
    for (int notch = 0; notch < turn.towardUser; ++notch)
        FormMouseWheelDown(shiftState);
    for (int notch = 0; notch < turn.awayFromUser; ++notch)
        FormMouseWheelUp(shiftState);
}

} // namespace lumetra
