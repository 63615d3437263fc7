// The main window's checks of the selected file against the disk: a change on disk, a click on
// the selected file and F5 read it again when it changed, and a load that finds nothing, or
// fails, leaves no trace of the file shown before it.

#include "GuardedConnect.h"
#include "MessageBox.h"
#include "SelectedFileWatch.h"
#include "Uies.h"
#include "data/TextEncoding.h"
#include "surface/FileNameText.h"

#include <QShortcut>

namespace lumetra {

void TMainWindow::ConnectFileChecks() {
    ConnectGuarded(FileListBox1, &QAbstractItemView::clicked, this,
                   [this](const QModelIndex&) { FileListBox1Click(); });
    auto* refresh = new QShortcut(QKeySequence(Qt::Key_F5), this);
    ConnectGuarded(refresh, &QShortcut::activated, this, &TMainWindow::FormRefresh);
    auto* watch = new SelectedFileWatch(this);
    const auto watchSelected = [this, watch] {
        watch->Watch(FileNameText(viewer_.SelectedFile()));
    };
    connect(this, &TMainWindow::fileLoaded, watch, watchSelected);
    connect(this, &TMainWindow::fileLoadFailed, watch, watchSelected);
    ConnectGuarded(watch, &SelectedFileWatch::changed, this, &TMainWindow::FileListBox1Click);
}

void TMainWindow::FileListBox1Click() {
    if (viewer_.SelectedFileChanged())
        FileListBox1DblClick();
}

// A selected file that changed is read first: one that is gone refills the list itself.
void TMainWindow::FormRefresh() {
    DirectoryListBox1->Refresh();
    if (viewer_.SelectedFileChanged())
        FileListBox1DblClick();
    FileListBox1->RefillKeepingSelection();
}

// The window shows what the load left whether it succeeded or not; the error goes on to the
// application's report.
bool TMainWindow::LoadSelectedFile() {
    try {
        const bool found = viewer_.LoadSelection([this](const std::string& text) {
            ShowMessage(this, QString::fromStdString(ToUtf8(text)));
        });
        ShowLoadState();
        return found;
    } catch (const std::exception&) {
        ShowLoadState();
        emit fileLoadFailed(SelectedFileName()); // the properties window shows what went wrong
        throw;
    }
}

void TMainWindow::ShowLoadState() {
    ShowPlaneSelector(viewer_.Selector());
    SetDescription(QString::fromStdString(ToUtf8(viewer_.Description())));
    if (viewer_.NothingLoaded())
        emit pictureOutdated();
}

} // namespace lumetra
