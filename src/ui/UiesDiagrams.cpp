// The main window's way to the Diagrams window: a menu entry and Ctrl+D.

#include "Uies.h"

namespace lumetra {

void TMainWindow::BuildDiagramsAccess() {
    ActionDiagrams = new QAction(tr("Diagrams..."), this);
    ActionDiagrams->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    ActionDiagrams->setShortcutContext(Qt::WindowShortcut);
    addAction(ActionDiagrams); // Ctrl+D anywhere in the main window
    connect(ActionDiagrams, &QAction::triggered, this, &TMainWindow::diagramsWanted);
    GonioMenu->addAction(ActionDiagrams);
    DescriptionMenu->addAction(ActionDiagrams);
}

} // namespace lumetra
