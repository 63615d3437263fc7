// The main window's section of the settings: applied while the window is created, taken when it
// closes.

#include "Uies.h"
#include "WindowBounds.h"
#include "WindowSettings.h"

namespace lumetra {

namespace {

Qt::WindowState StartState(int state, Qt::WindowState current) {
    if (state == 0)
        return Qt::WindowNoState;
    if (state == 1)
        return Qt::WindowMinimized;
    if (state == 2)
        return Qt::WindowMaximized;
    return current;
}

int StateNumber(Qt::WindowStates state) {
    if (state & Qt::WindowMinimized)
        return 1;
    if (state & Qt::WindowMaximized)
        return 2;
    return 0;
}

} // namespace

// The default place centres the window at the size just applied.
void TMainWindow::ApplySettings(const SectionRead<ViewerSection>& read) {
    const ViewerSection& viewer = read.values;
    KeysRead keys(read.keysRead);
    if (keys.Next() && !viewer.folder.isEmpty() && viewer.folder != DirectoryListBox1->Directory())
        DirectoryListBox1->SetDirectory(viewer.folder);
    if (keys.Next())
        SetWindowWidth(*this, viewer.width);
    if (keys.Next())
        SetWindowHeight(*this, viewer.height);
    if (keys.Next())
        SetWindowLeft(*this, viewer.left.value_or(
                                 CentredStart(ScreenSize().width(), OuterSize(*this).width())));
    if (keys.Next())
        SetWindowTop(*this, viewer.top.value_or(
                                CentredStart(ScreenSize().height(), OuterSize(*this).height())));
    if (keys.Next())
        SpeedButtonUpdate->setChecked(viewer.autoUpdate);
    if (keys.Next())
        SpeedButtonOrtho->setChecked(viewer.ortho);
    if (keys.Next())
        SpeedButtonFit->setChecked(viewer.fit);
    if (keys.Next())
        startState = StartState(viewer.state, startState);
    ThrowReadError(read);
}

// The window keeps its state; a maximised or minimised window stores the bounds it has when
// restored, as Qt keeps them.
ViewerSection TMainWindow::SettingsToStore() const {
    const QRect bounds = NormalBounds(*this);
    ViewerSection viewer;
    viewer.state = StateNumber(windowState());
    viewer.folder = DirectoryListBox1->Directory();
    viewer.width = bounds.width();
    viewer.height = bounds.height();
    viewer.left = bounds.x();
    viewer.top = bounds.y();
    viewer.fit = viewer_.Fit();
    viewer.autoUpdate = viewer_.AutoUpdate();
    viewer.ortho = viewer_.Ortho();
    return viewer;
}

} // namespace lumetra
