#include "FileBrowserPanel.h"

#include "GuardedConnect.h"
#include "data/Errors.h"
#include "surface/FileNameText.h"
#include "viewer/PathToOpen.h"

#include <QAction>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QMimeData>
#include <QStyledItemDelegate>
#include <QUrl>
#include <QVBoxLayout>

namespace lumetra {

namespace {

// Rows of one fixed height, as the folder and file lists are designed.
class FixedRowHeight : public QStyledItemDelegate {
  public:
    FixedRowHeight(int height, QObject* parent) : QStyledItemDelegate(parent), height_(height) {}
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        return {QStyledItemDelegate::sizeHint(option, index).width(), height_};
    }

  private:
    int height_;
};

// The first local file or folder among the dragged items; empty when there is none.
QString DroppedPath(const QMimeData* data) {
    if (data == nullptr || !data->hasUrls())
        return {};
    for (const QUrl& url : data->urls())
        if (url.isLocalFile())
            return url.toLocalFile();
    return {};
}

} // namespace

FileBrowserPanel::FileBrowserPanel(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    BuildLists();
    ConnectLists();
    DriveComboBox1->setAccessibleName(tr("Drive"));
    DirectoryListBox1->setAccessibleName(tr("Folders"));
    FileListBox1->setAccessibleName(tr("Files"));
    Describe();
    ActionCatalogue = new QAction(tr("Catalogue..."), this);
    ActionCatalogue->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
    ActionCatalogue->setShortcutContext(Qt::WindowShortcut); // anywhere in the window
    connect(ActionCatalogue, &QAction::triggered, this, [this] { emit catalogueWanted(Folder()); });
    FileListBox1->setContextMenuPolicy(Qt::ActionsContextMenu);
    FileListBox1->addAction(ActionCatalogue);
}

void FileBrowserPanel::BuildLists() {
    PanelDriver = new QFrame(this);
    PanelDriver->setFrameShape(QFrame::NoFrame);
    PanelDriver->setFixedHeight(31);
    DriveComboBox1 = new TDriveComboBox(PanelDriver);
    DriveComboBox1->setGeometry(6, 4, 131, 19);
    auto* driverRow = new QHBoxLayout(PanelDriver);
    driverRow->setContentsMargins(0, 0, 0, 0);
    driverRow->addStretch(1);

    Splitter1 = new QSplitter(Qt::Horizontal, this);
    Splitter1->setHandleWidth(3);
    Splitter1->setChildrenCollapsible(false);
    DirectoryListBox1 = new TDirectoryListBox(Splitter1);
    DirectoryListBox1->setItemDelegate(new FixedRowHeight(16, DirectoryListBox1));
    FileListBox1 = new TFileListBox(Splitter1);
    FileListBox1->setItemDelegate(new FixedRowHeight(13, FileListBox1));
    Splitter1->setSizes({207, 195});
    Splitter1->setStretchFactor(1, 1);

    auto* browser = new QVBoxLayout(this);
    browser->setContentsMargins(0, 0, 0, 0);
    browser->setSpacing(0);
    browser->addWidget(PanelDriver);
    browser->addWidget(Splitter1, 1);
}

// A drive opens at the folder last visited on it, as drives keep a current folder each.
void FileBrowserPanel::ConnectLists() {
    ConnectGuarded(DriveComboBox1, &TDriveComboBox::driveChosen, this, [this](const QString& root) {
        const QString last = lastFolderOnDrive_.value(root);
        DirectoryListBox1->SetDirectory(!last.isEmpty() && QFileInfo(last).isDir() ? last : root);
    });
    connect(DirectoryListBox1, &TDirectoryListBox::directoryChanged, this,
            [this](const QString& folder) {
                DriveComboBox1->ShowDriveOf(folder);
                lastFolderOnDrive_.insert(DriveComboBox1->currentData().toString(), folder);
                FileListBox1->SetDirectory(DirectoryListBox1->DirectoryPath());
            });
    connect(FileListBox1, &TFileListBox::changed, this, &FileBrowserPanel::selectionChanged);
    connect(FileListBox1, &QAbstractItemView::clicked, this, &FileBrowserPanel::fileClicked);
    connect(DirectoryListBox1, &TDirectoryListBox::directoryChanged, this,
            &FileBrowserPanel::Describe);
}

void FileBrowserPanel::AddToDriveRow(QWidget* control) {
    static_cast<QHBoxLayout*>(PanelDriver->layout())->addWidget(control);
}

void FileBrowserPanel::Describe() {
    const QString folder = QDir::toNativeSeparators(Folder());
    DirectoryListBox1->setAccessibleDescription(tr("Current folder: %1").arg(folder));
    FileListBox1->setAccessibleDescription(tr("Photometric files in %1").arg(folder));
}

// The file list's mask decides which files it shows; a file it does not show cannot be selected.
void FileBrowserPanel::OpenPath(const QString& path) {
    const PathToOpen target = WhatPathOpens(FileNameBytes(path));
    if (target.kind == PathToOpen::Kind::Error)
        throw LumetraError(target.error);
    DirectoryListBox1->SetDirectory(FileNameText(target.folder));
    if (target.kind == PathToOpen::Kind::File &&
        !FileListBox1->SelectFile(FileNameText(target.fileName)))
        throw LumetraError(
            LUMETRA_MESSAGE("Folders", "Cannot show %1: the file list shows photometric files only")
                .Arg(FileNameBytes(path)));
}

void FileBrowserPanel::TakeDropsOn(QWidget* window) {
    dropWindow_ = window;
    window->setAcceptDrops(true);
    window->installEventFilter(this);
}

bool FileBrowserPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched != dropWindow_)
        return QFrame::eventFilter(watched, event);
    if (event->type() == QEvent::DragEnter) {
        auto* enter = static_cast<QDragEnterEvent*>(event);
        if (!DroppedPath(enter->mimeData()).isEmpty())
            enter->acceptProposedAction();
        return true;
    }
    if (event->type() == QEvent::Drop) {
        Drop(*static_cast<QDropEvent*>(event));
        return true;
    }
    return QFrame::eventFilter(watched, event);
}

// Opened once the drop has returned: the program that dragged waits for it, and a message box or
// a long load must not keep it waiting.
void FileBrowserPanel::Drop(QDropEvent& event) {
    const QString path = DroppedPath(event.mimeData());
    if (path.isEmpty())
        return;
    event.acceptProposedAction();
    QMetaObject::invokeMethod(
        this, [this, path] { Guarded(dropWindow_, [&] { OpenPath(path); }); },
        Qt::QueuedConnection);
}

} // namespace lumetra
