#pragma once
// Keeping a top-level window inside its screen's available area before it shows, whatever the
// settings restored or the scale made of its size; and keeping the windows the main window opens
// above it, as the render window is.

class QWidget;

namespace lumetra {

void KeepOnScreen(QWidget& window);

// Shows the window inside the screen: kept there before it shows, and again once it shows, when
// the window system may have told the size of its frame. A window cannot become smaller than its
// layout's minimum.
void ShowOnScreen(QWidget& window);

// The window stays above the main window and remains a window of its own. The main window owns
// it from now on, so it must be destroyed before the main window or left to it.
void KeepAbove(QWidget& window, QWidget& main);

// The same for a window that outlives the main window: the window system keeps it above, the
// main window does not own it.
void KeepAboveWithoutOwning(QWidget& window, QWidget& main);

} // namespace lumetra
