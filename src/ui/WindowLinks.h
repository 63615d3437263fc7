#pragma once
// The two windows meet through signals: the render window announces its passes and its showing,
// and the main window shows the progress, the time and the Render button's state.

namespace lumetra {

class TMainWindow;
class TRenderWindow;

void LinkWindows(TMainWindow& main, TRenderWindow& render);

} // namespace lumetra
