#pragma once
// Keeping a top-level window inside its screen's available area before it shows, whatever the
// settings restored or the scale made of its size.

class QWidget;

namespace lumetra {

void KeepOnScreen(QWidget& window);

} // namespace lumetra
