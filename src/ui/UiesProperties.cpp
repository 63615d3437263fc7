// The main window's ways to the properties window, and loading that tells it about failures.

#include "MessageBox.h"
#include "Uies.h"
#include "data/TextEncoding.h"

#include <QShortcut>

namespace lumetra {

void TMainWindow::BuildPropertiesAccess() {
    ActionProperties = new QAction("Properties...", this);
    ActionProperties->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_I));
    ActionProperties->setShortcutContext(Qt::WindowShortcut);
    addAction(ActionProperties); // Ctrl+I anywhere in the main window
    connect(ActionProperties, &QAction::triggered, this, &TMainWindow::propertiesWanted);
    GonioMenu->addSeparator();
    GonioMenu->addAction(ActionProperties);
    DescriptionMenu = new QMenu(this);
    DescriptionMenu->addAction(ActionProperties);
    DescriptionMenu->addAction(ActionSavePhotometry);
    PanelTop->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(PanelTop, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { DescriptionMenu->popup(PanelTop->mapToGlobal(pos)); });
}

} // namespace lumetra
