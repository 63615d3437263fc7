#include "FileBrowser.h"

#include "FolderEntries.h"
#include "GuardedConnect.h"
#include "data/Errors.h"
#include "surface/FileNameText.h"

#include <QFile>
#include <QFontMetrics>
#include <QStorageInfo>
#include <QStyle>
#include <algorithm>
#include <array>
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
        throw LumetraError(LUMETRA_MESSAGE("Folders", "Cannot open folder %1: %2")
                               .Arg(folder)
                               .Arg(error ? Message::Verbatim(error.message())
                                          : LUMETRA_MESSAGE("Folders", "Not a directory")));
    if (::access(folder.c_str(), R_OK | X_OK) != 0)
        throw LumetraError(LUMETRA_MESSAGE("Folders", "Cannot open folder %1: %2")
                               .Arg(folder)
                               .Arg(std::error_code(errno, std::generic_category()).message()));
}

int EstimatedWidth(std::string_view name, const std::array<int, 128>& advances,
                   const QFontMetrics& metrics) {
    int width = 0;
    for (const char c : name) {
        const auto code = static_cast<unsigned char>(c);
        if (code < ' ' || code >= 127)
            return metrics.horizontalAdvance(ShownName(name));
        width += advances[code];
    }
    return width;
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
    SetDirectoryPath(FileNameBytes(folder));
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
    const FolderNames folders = ListFolder(directory_, EntryKind::Folders);
    folders.ForEach([&](std::size_t, std::string_view folder) {
        auto* item = new QListWidgetItem(QString(depth * 2, ' ') + ShownName(folder), this);
        item->setData(Qt::UserRole, Bytes(Joined(directory_, std::string(folder))));
    });
}

TFileListBox::TFileListBox(QWidget* parent) : QListView(parent), model_(new FileNameModel(this)) {
    setModel(model_);
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, &TFileListBox::changed);
}

void TFileListBox::SetDirectory(const std::string& folder) {
    directory_ = folder;
    if (filled_)
        Refill();
}

int TFileListBox::count() const {
    return model_->rowCount();
}

int TFileListBox::RowOf(const QString& name) const {
    const FolderNames& names = model_->Names();
    std::size_t row = names.Find(FileNameBytes(name));
    if (row == names.size()) // a name that is not UTF-8 is found by how it shows
        names.ForEach([&](std::size_t i, std::string_view shown) {
            if (row == names.size() && ShownName(shown) == name)
                row = i;
        });
    return row < names.size() ? static_cast<int>(row) : -1;
}

void TFileListBox::SelectRow(int row) {
    if (row < 0 || row >= count()) {
        selectionModel()->clear();
        return;
    }
    selectionModel()->setCurrentIndex(model_->index(row), QItemSelectionModel::ClearAndSelect);
}

std::string TFileListBox::SelectedName() const {
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    if (selected.isEmpty())
        return {};
    return std::string(model_->Names()[static_cast<std::size_t>(selected.front().row())]);
}

QString TFileListBox::FileName() const {
    return ShownName(SelectedPath());
}

std::string TFileListBox::SelectedPath() const {
    const std::string name = SelectedName();
    return name.empty() ? name : Joined(directory_, name);
}

std::string TFileListBox::PathAt(int row) const {
    if (row < 0 || static_cast<std::size_t>(row) >= model_->Names().size())
        return {};
    return Joined(directory_, std::string(model_->Names()[static_cast<std::size_t>(row)]));
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
    const int row = RowOf(name);
    if (row >= 0)
        SelectRow(row);
    return row >= 0;
}

void TFileListBox::RefillKeepingSelection() {
    const std::string name = SelectedName();
    {
        const QSignalBlocker quiet(this);
        Fill();
        const std::size_t row = model_->Names().Find(name);
        if (!name.empty() && row < model_->Names().size())
            SelectRow(static_cast<int>(row));
    }
    if (!name.empty() && SelectedName().empty())
        emit changed();
}

// A folder that cannot be listed shows no files; the folder list says why when it is entered.
void TFileListBox::Fill() {
    filled_ = true;
    FolderNames names;
    try {
        names = ListFolder(directory_, EntryKind::PhotometricFiles);
    } catch (const LumetraError&) {
    }
    const int width = RowWidth(names);
    model_->SetNames(std::move(names), width);
}

// Rows are as wide as the widest name, so that it can be scrolled to. Adding up the advances of
// ASCII characters ranks the names without laying each out; the few that come near the widest,
// and names beyond ASCII, are measured exactly.
int TFileListBox::RowWidth(const FolderNames& names) const {
    const QFontMetrics metrics = fontMetrics();
    std::array<int, 128> advances{};
    for (int c = ' '; c < 127; ++c)
        advances[static_cast<std::size_t>(c)] = metrics.horizontalAdvance(QChar(c));
    std::vector<int> estimates(names.size());
    names.ForEach([&](std::size_t i, std::string_view name) {
        estimates[i] = EstimatedWidth(name, advances, metrics);
    });
    const int leading =
        estimates.empty() ? 0 : *std::max_element(estimates.begin(), estimates.end());
    int widest = 0;
    int measured = 0;
    names.ForEach([&](std::size_t i, std::string_view name) {
        if (measured >= 256 || estimates[i] < leading - metrics.averageCharWidth())
            return;
        widest = std::max(widest, metrics.horizontalAdvance(ShownName(name)));
        ++measured;
    });
    const int margin = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1;
    return widest + 2 * margin;
}

void TFileListBox::showEvent(QShowEvent* event) {
    QListView::showEvent(event);
    if (!filled_)
        Refill();
}

} // namespace lumetra
