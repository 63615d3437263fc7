#include "ScreenCentredMessageBox.h"

#include <QScreen>

namespace lumetra {

void ScreenCentredMessageBox::showEvent(QShowEvent* event) {
    QMessageBox::showEvent(event); // sizes the box and places it over its parent
    const QWidget* owner = parentWidget() ? parentWidget()->window() : this;
    const QRect screenArea = owner->screen()->availableGeometry();
    QRect box = frameGeometry();
    box.moveCenter(screenArea.center());
    move(box.topLeft());
}

} // namespace lumetra
