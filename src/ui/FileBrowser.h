#pragma once
// The drive list, the folder list and the file list of the main window, chained together: a drive
// moves the folder list, a folder refills the file list.

#include <QComboBox>
#include <QListWidget>

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
// Activating an entry (double click or Enter) opens it.
class TDirectoryListBox : public QListWidget {
    Q_OBJECT
  public:
    explicit TDirectoryListBox(QWidget* parent = nullptr);
    QString Directory() const { return directory_; }
    // Moves to the folder; throws LumetraError when it does not exist or cannot be entered.
    void SetDirectory(const QString& folder);

  signals:
    void directoryChanged(const QString& folder);

  private:
    void Fill();
    QString directory_;
};

// Files of one folder whose names match "*.ies" or "*.ldt", ignoring letter case. Raises changed()
// whenever its selection changes and whenever it is refilled (after which nothing is selected). It
// fills itself when first shown; before that a folder change is only remembered.
class TFileListBox : public QListWidget {
    Q_OBJECT
  public:
    explicit TFileListBox(QWidget* parent = nullptr);
    QString Directory() const { return directory_; }
    void SetDirectory(const QString& folder);
    // Full name (folder and file name) of the selected entry; empty when none is selected.
    QString FileName() const;
    void Refill();
    // Selects the entry of that name, as a click does; false when the list shows no such entry.
    bool SelectFile(const QString& name);

  signals:
    void changed();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QString directory_;
    bool filled_ = false;
};

} // namespace lumetra
