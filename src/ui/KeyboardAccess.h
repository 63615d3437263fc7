#pragma once
// What the keyboard reaches besides focus and access keys: the context menu keys of a picture
// area that takes no focus.

#include <QPoint>
#include <QWidget>
#include <functional>

namespace lumetra {

// Shift+F10 and the Menu key anywhere in the area's window call open with the area's centre in
// global coordinates, as a right click there would.
void AddContextMenuKeys(QWidget* area, const std::function<void(const QPoint& globalPos)>& open);

} // namespace lumetra
