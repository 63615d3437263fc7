// The main window's way to the Illuminance window: a menu entry and Ctrl+L.

#include "Uies.h"

namespace lumetra {

void TMainWindow::BuildIlluminanceAccess() {
    ActionIlluminance = new QAction(tr("Illuminance..."), this);
    ActionIlluminance->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    ActionIlluminance->setShortcutContext(Qt::WindowShortcut);
    addAction(ActionIlluminance); // Ctrl+L anywhere in the main window
    connect(ActionIlluminance, &QAction::triggered, this, &TMainWindow::illuminanceWanted);
    GonioMenu->addAction(ActionIlluminance);
    DescriptionMenu->addAction(ActionIlluminance);
}

} // namespace lumetra
