// The main window opening files and folders from outside: the command line and drops.

#include "MessageBox.h"
#include "Uies.h"
#include "data/Errors.h"
#include "surface/FileNameText.h"
#include "viewer/PathToOpen.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

namespace lumetra {

namespace {

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

// The file list's mask decides which files it shows; a file it does not show cannot be selected.
void TMainWindow::OpenPath(const QString& path) {
    const PathToOpen target = WhatPathOpens(FileNameBytes(path));
    if (target.kind == PathToOpen::Kind::Error)
        throw LumetraError(target.error);
    DirectoryListBox1->SetDirectory(FileNameText(target.folder));
    if (target.kind == PathToOpen::Kind::File &&
        !FileListBox1->SelectFile(FileNameText(target.fileName)))
        throw LumetraError("Cannot show " + FileNameBytes(path) +
                           ": the file list shows photometric files only");
}

void TMainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (!DroppedPath(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void TMainWindow::dropEvent(QDropEvent* event) {
    const QString path = DroppedPath(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    // Opened once the drop has returned: the program that dragged waits for it, and a message box
    // or a long load must not keep it waiting.
    QMetaObject::invokeMethod(
        this, [this, path] { Guarded(this, [&] { OpenPath(path); }); }, Qt::QueuedConnection);
}

} // namespace lumetra
