#include "FileBrowser.h"

#include "data/Errors.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

namespace lumetra {

TDriveComboBox::TDriveComboBox(QWidget* parent) : QComboBox(parent) {
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (volume.isValid() && volume.isReady())
            addItem(volume.rootPath(), volume.rootPath());
    }
    connect(this, &QComboBox::activated, this,
            [this](int index) { emit driveChosen(itemData(index).toString()); });
}

void TDriveComboBox::ShowDriveOf(const QString& folder) {
    const QString root = QStorageInfo(folder).rootPath();
    int index = findData(root);
    if (index < 0 && !root.isEmpty()) {
        addItem(root, root);
        index = count() - 1;
    }
    setCurrentIndex(index);
}

TDirectoryListBox::TDirectoryListBox(QWidget* parent) : QListWidget(parent) {
    connect(this, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        const QString folder = item->data(Qt::UserRole).toString();
        if (folder != directory_ && QFileInfo(folder).isDir() && QDir(folder).isReadable()) {
            SetDirectory(folder);
        }
    });
}

void TDirectoryListBox::SetDirectory(const QString& folder) {
    const QFileInfo info(folder);
    if (!info.isDir() || !QDir(folder).isReadable())
        throw LumetraError("Cannot open folder " + folder.toStdString());
    directory_ = QDir::cleanPath(info.absoluteFilePath());
    Fill();
    emit directoryChanged(directory_);
}

void TDirectoryListBox::Fill() {
    clear();
    QStringList chain;
    for (QDir dir(directory_);;) {
        chain.prepend(dir.absolutePath());
        if (!dir.cdUp())
            break;
    }
    int depth = 0;
    for (const QString& path : chain) {
        const QString name = depth == 0 ? path : QFileInfo(path).fileName();
        auto* item = new QListWidgetItem(QString(depth * 2, ' ') + name, this);
        item->setData(Qt::UserRole, path);
        ++depth;
    }
    setCurrentRow(count() - 1);
    const QDir current(directory_);
    for (const QString& name :
         current.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase)) {
        auto* item = new QListWidgetItem(QString(depth * 2, ' ') + name, this);
        item->setData(Qt::UserRole, current.absoluteFilePath(name));
    }
}

TFileListBox::TFileListBox(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(this, &QListWidget::itemSelectionChanged, this, &TFileListBox::changed);
}

void TFileListBox::SetDirectory(const QString& folder) {
    directory_ = folder;
    if (filled_)
        Refill();
}

QString TFileListBox::FileName() const {
    const auto selected = selectedItems();
    if (selected.isEmpty())
        return {};
    return QDir(directory_).filePath(selected.front()->text());
}

void TFileListBox::Refill() {
    filled_ = true;
    {
        const QSignalBlocker quiet(this);
        clear();
        const QDir dir(directory_);
        addItems(dir.entryList({"*.ies", "*.ldt"}, QDir::Files, QDir::Name | QDir::IgnoreCase));
    }
    emit changed();
}

bool TFileListBox::SelectFile(const QString& name) {
    if (!filled_)
        Refill();
    const auto found = findItems(name, Qt::MatchExactly);
    if (found.isEmpty())
        return false;
    setCurrentItem(found.front());
    return true;
}

void TFileListBox::showEvent(QShowEvent* event) {
    QListWidget::showEvent(event);
    if (!filled_)
        Refill();
}

} // namespace lumetra
