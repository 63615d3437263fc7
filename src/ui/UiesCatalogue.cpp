// The main window's way to the Catalogue window: Ctrl+F and the file list's context menu.

#include "Uies.h"

namespace lumetra {

void TMainWindow::BuildCatalogueAccess() {
    ActionCatalogue = new QAction(tr("Catalogue..."), this);
    ActionCatalogue->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
    ActionCatalogue->setShortcutContext(Qt::WindowShortcut);
    addAction(ActionCatalogue); // Ctrl+F anywhere in the main window
    connect(ActionCatalogue, &QAction::triggered, this,
            [this] { emit catalogueWanted(DirectoryListBox1->Directory()); });
    FileListBox1->setContextMenuPolicy(Qt::ActionsContextMenu);
    FileListBox1->addAction(ActionCatalogue);
}

} // namespace lumetra
