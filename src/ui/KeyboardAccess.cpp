#include "KeyboardAccess.h"

#include <QShortcut>

namespace lumetra {

void AddContextMenuKeys(QWidget* area, const std::function<void(const QPoint& globalPos)>& open) {
    for (const QKeySequence& keys :
         {QKeySequence(Qt::SHIFT | Qt::Key_F10), QKeySequence(Qt::Key_Menu)}) {
        auto* shortcut = new QShortcut(keys, area);
        QObject::connect(shortcut, &QShortcut::activated, area,
                         [area, open] { open(area->mapToGlobal(area->rect().center())); });
    }
}

} // namespace lumetra
