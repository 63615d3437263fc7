#include "CompareLinks.h"

#include "CompareWindow.h"
#include "PinnedFileDelegate.h"
#include "surface/FileNameText.h"
#include "ui/GuardedConnect.h"
#include "ui/KeepOnScreen.h"
#include "ui/Uies.h"

#include <QFile>
#include <QMenu>

namespace lumetra::compare {

namespace {

// The file under the pointer, or the selected one when the pointer is on no row.
std::string FileAt(const TFileListBox& list, const QPoint& pos) {
    const QModelIndex index = list.indexAt(pos);
    return index.isValid() ? list.PathAt(index.row()) : list.SelectedPath();
}

void ShowListMenu(TFileListBox& list, TCompareWindow& compare, const QPoint& pos) {
    const std::string file = FileAt(list, pos);
    QMenu menu(&list);
    const bool pinned = compare.Selection().IsPinned(file);
    QAction* pin = menu.addAction(pinned ? TCompareWindow::tr("Unpin from Comparison")
                                         : TCompareWindow::tr("Compare with Selected"));
    pin->setEnabled(!file.empty());
    QAction* open = menu.addAction(TCompareWindow::tr("Compare Window"));
    const QAction* chosen = menu.exec(list.viewport()->mapToGlobal(pos));
    const bool pinnedNow = chosen == pin && compare.TogglePin(file);
    if (pinnedNow || chosen == open)
        compare.Open();
}

void LinkFileList(TFileListBox& list, TCompareWindow& compare) {
    list.setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(&list, &QWidget::customContextMenuRequested, &compare,
                     [&list, &compare](const QPoint& pos) { ShowListMenu(list, compare, pos); });
    list.setItemDelegate(new PinnedFileDelegate(
        [&list, &compare](int row) { return compare.Selection().IsPinned(list.PathAt(row)); },
        list.itemDelegate(), &list));
    QObject::connect(&compare, &TCompareWindow::pinsChanged, &list,
                     [&list] { list.viewport()->update(); });
}

} // namespace

void LinkCompare(TMainWindow& main, TCompareWindow& compare) {
    KeepAboveWithoutOwning(compare, main); // it outlives the main window, whose list marks its pins
    LinkFileList(*main.FileListBox1, compare);
    const auto follow = [&main, &compare](const QString&) {
        compare.FollowSelection(main.Viewer().SelectedFile());
    };
    ConnectGuarded(&main, &TMainWindow::fileLoaded, &compare, follow);
    ConnectGuarded(&main, &TMainWindow::fileLoadFailed, &compare, follow);
    QAction* open = new QAction(TCompareWindow::tr("Compare..."), &compare);
    main.PanelImage->Menu->addSeparator();
    main.PanelImage->Menu->addAction(open);
    QObject::connect(open, &QAction::triggered, &compare, &TCompareWindow::Open);
}

void CompareTwo(TCompareWindow& compare, const QString& first, const QString& second) {
    compare.CompareFiles({FileNameBytes(first), FileNameBytes(second)});
}

} // namespace lumetra::compare
