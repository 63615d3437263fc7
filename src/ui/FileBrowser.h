#pragma once
// The drive list, the folder list and the file list of the main window, chained together: a drive
// moves the folder list, a folder refills the file list.

#include "FileNameModel.h"

#include <QComboBox>
#include <QListView>
#include <QListWidget>
#include <string>

namespace lumetra {

// Mounted volumes, by their root folder.
class TDriveComboBox : public QComboBox {
    Q_OBJECT
  public:
    explicit TDriveComboBox(QWidget* parent = nullptr);
    // Selects the volume that holds the folder, without signalling a drive change.
    void ShowDriveOf(const QString& folder);

  signals:
    void driveChosen(const QString& rootPath);
};

// The path from the root down to the current folder, then the current folder's subfolders.
// Activating an entry (double click or Enter) opens it. Folders are kept by the bytes of their
// names, so a name that is not valid UTF-8 still opens.
class TDirectoryListBox : public QListWidget {
    Q_OBJECT
  public:
    explicit TDirectoryListBox(QWidget* parent = nullptr);
    // The current folder, for reading.
    QString Directory() const;
    const std::string& DirectoryPath() const { return directory_; }
    // Moves to the folder; throws LumetraError, naming it and the reason, when it does not exist
    // or cannot be entered.
    void SetDirectory(const QString& folder);
    void SetDirectoryPath(const std::string& folder);
    // Lists the current folder's subfolders again.
    void Refresh() { Fill(); }

  signals:
    void directoryChanged(const QString& folder);

  private:
    void Fill();
    void OpenEntry(const QListWidgetItem* item);
    std::string directory_;
};

// Files of one folder whose names match "*.ies" or "*.ldt", ignoring letter case. Raises changed()
// whenever its selection changes and whenever it is refilled (after which nothing is selected). It
// fills itself when first shown; before that a folder change is only remembered. Entries keep the
// bytes of their names; a name that is not valid UTF-8 shows with replacement characters. Rows
// all have one size, so a list of a hundred thousand files is laid out at once.
class TFileListBox : public QListView {
    Q_OBJECT
  public:
    explicit TFileListBox(QWidget* parent = nullptr);
    void SetDirectory(const std::string& folder);
    int count() const;
    // The row of the entry shown by that name, or -1.
    int RowOf(const QString& name) const;
    // Selects the row, as a click does; -1 selects nothing.
    void SelectRow(int row);
    // Full name (folder and file name) of the selected entry, for reading; empty when none is
    // selected.
    QString FileName() const;
    // The same by its bytes, to open the file.
    std::string SelectedPath() const;
    // Full name of the entry in that row, by its bytes; empty outside the list.
    std::string PathAt(int row) const;
    void Refill();
    // Selects the entry of that name, as a click does; false when the list shows no such entry.
    bool SelectFile(const QString& name);
    // Fills the list again and selects the same file when it is still there; raises changed()
    // only when the selection was lost.
    void RefillKeepingSelection();

  signals:
    void changed();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void Fill();
    std::string SelectedName() const;
    int RowWidth(const FolderNames& names) const;
    FileNameModel* model_;
    std::string directory_;
    bool filled_ = false;
};

} // namespace lumetra
