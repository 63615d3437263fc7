#include "FileBrowser.h"

#include "FolderEntries.h"
#include "GuardedConnect.h"
#include "data/Errors.h"

#include <QFile>
#include <QStorageInfo>
#include <cerrno>
#include <filesystem>
#include <system_error>
#include <unistd.h>

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

namespace {

QByteArray Bytes(const std::string& text) {
    return QByteArray::fromStdString(text);
}

std::string Joined(const std::string& folder, const std::string& name) {
    return folder.empty() || folder.back() == '/' ? folder + name : folder + '/' + name;
}

// A folder may be listed yet not entered: its entries could be seen but not opened.
void CheckEnterable(const std::string& folder) {
    std::error_code error;
    if (!std::filesystem::is_directory(folder, error))
        throw LumetraError("Cannot open folder " + folder + ": " +
                           (error ? error.message() : std::string("Not a directory")));
    if (::access(folder.c_str(), R_OK | X_OK) != 0)
        throw LumetraError("Cannot open folder " + folder + ": " +
                           std::error_code(errno, std::generic_category()).message());
}

} // namespace

TDirectoryListBox::TDirectoryListBox(QWidget* parent) : QListWidget(parent) {
    ConnectGuarded(this, &QListWidget::itemActivated, this,
                   [this](const QListWidgetItem* item) { OpenEntry(item); });
}

void TDirectoryListBox::OpenEntry(const QListWidgetItem* item) {
    const std::string folder = item->data(Qt::UserRole).toByteArray().toStdString();
    if (folder != directory_)
        SetDirectoryPath(folder);
}

QString TDirectoryListBox::Directory() const {
    return ShownName(directory_);
}

void TDirectoryListBox::SetDirectory(const QString& folder) {
    SetDirectoryPath(QFile::encodeName(folder).toStdString());
}

void TDirectoryListBox::SetDirectoryPath(const std::string& folder) {
    CheckEnterable(folder);
    std::error_code error;
    const auto absolute = std::filesystem::absolute(folder, error).lexically_normal();
    std::string path = error ? folder : absolute.native();
    if (path.size() > 1 && path.back() == '/')
        path.pop_back();
    directory_ = path;
    Fill();
    emit directoryChanged(Directory());
}

void TDirectoryListBox::Fill() {
    clear();
    std::vector<std::string> chain;
    for (std::filesystem::path dir(directory_);; dir = dir.parent_path()) {
        chain.insert(chain.begin(), dir.native());
        if (dir == dir.parent_path())
            break;
    }
    int depth = 0;
    for (const std::string& path : chain) {
        const std::string name =
            depth == 0 ? path : std::filesystem::path(path).filename().native();
        auto* item = new QListWidgetItem(QString(depth * 2, ' ') + ShownName(name), this);
        item->setData(Qt::UserRole, Bytes(path));
        ++depth;
    }
    setCurrentRow(count() - 1);
    for (const FolderEntry& entry : ListFolder(directory_, EntryKind::Folders)) {
        auto* item = new QListWidgetItem(QString(depth * 2, ' ') + entry.shown, this);
        item->setData(Qt::UserRole, Bytes(Joined(directory_, entry.name)));
    }
}

TFileListBox::TFileListBox(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(this, &QListWidget::itemSelectionChanged, this, &TFileListBox::changed);
}

void TFileListBox::SetDirectory(const std::string& folder) {
    directory_ = folder;
    if (filled_)
        Refill();
}

QString TFileListBox::FileName() const {
    return ShownName(SelectedPath());
}

std::string TFileListBox::SelectedPath() const {
    const auto selected = selectedItems();
    if (selected.isEmpty())
        return {};
    return Joined(directory_, selected.front()->data(Qt::UserRole).toByteArray().toStdString());
}

void TFileListBox::Refill() {
    {
        const QSignalBlocker quiet(this);
        Fill();
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

void TFileListBox::RefillKeepingSelection() {
    const auto selected = selectedItems();
    const QVariant name = selected.isEmpty() ? QVariant() : selected.front()->data(Qt::UserRole);
    {
        const QSignalBlocker quiet(this);
        Fill();
        for (int row = 0; name.isValid() && row < count(); ++row)
            if (item(row)->data(Qt::UserRole) == name)
                setCurrentRow(row);
    }
    if (name.isValid() && selectedItems().isEmpty())
        emit changed();
}

// A folder that cannot be listed shows no files; the folder list says why when it is entered.
void TFileListBox::Fill() {
    filled_ = true;
    clear();
    std::vector<FolderEntry> entries;
    try {
        entries = ListFolder(directory_, EntryKind::PhotometricFiles);
    } catch (const LumetraError&) {
        return;
    }
    for (const FolderEntry& entry : entries) {
        auto* item = new QListWidgetItem(entry.shown, this);
        item->setData(Qt::UserRole, Bytes(entry.name));
    }
}

void TFileListBox::showEvent(QShowEvent* event) {
    QListWidget::showEvent(event);
    if (!filled_)
        Refill();
}

} // namespace lumetra
