#pragma once
// The main window's file browser: the drive, folder and file lists in one sunken frame, chained
// so that a drive opens at the folder last visited on it and a folder refills the file list; it
// opens a path given from outside (the command line, the catalogue, a drop on its window) and
// names its lists for screen readers. Its file list's menu opens the catalogue of the folder.

#include "FileBrowser.h"

#include <QFrame>
#include <QHash>
#include <QSplitter>

class QDropEvent;

namespace lumetra {

class FileBrowserPanel : public QFrame {
    Q_OBJECT
  public:
    explicit FileBrowserPanel(QWidget* parent = nullptr);

    QFrame* PanelDriver; // the drive list's row; the window may add its own controls to its right
    TDriveComboBox* DriveComboBox1;
    QSplitter* Splitter1;
    TDirectoryListBox* DirectoryListBox1;
    TFileListBox* FileListBox1;
    // "Catalogue..." (Ctrl+F) in the file list's context menu: the Catalogue window over the
    // folder shown.
    QAction* ActionCatalogue;

    // Puts a control at the right end of the drive list's row.
    void AddToDriveRow(QWidget* control);
    // The folder shown, for reading.
    QString Folder() const { return DirectoryListBox1->Directory(); }
    // Opens a file or folder given from outside: a folder in the lists, a file in its folder,
    // selected so that it loads as a click in the file list loads it. Throws LumetraError for a
    // path that cannot be opened or a file the list does not show.
    void OpenPath(const QString& path);
    // Files and folders dropped anywhere on that window open as OpenPath opens them, once the
    // drop has returned.
    void TakeDropsOn(QWidget* window);

  signals:
    // The file list's selection changed or the list was refilled.
    void selectionChanged();
    // A click on the file list, whether or not it changed the selection.
    void fileClicked();
    // The user asked for the Catalogue window over this folder.
    void catalogueWanted(const QString& folder);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void BuildLists();
    void ConnectLists();
    void Describe();
    void Drop(QDropEvent& event);

    QHash<QString, QString> lastFolderOnDrive_; // by the drive's root folder
    QWidget* dropWindow_ = nullptr;
};

} // namespace lumetra
