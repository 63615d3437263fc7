#include "SelectedFileWatch.h"

#include <QFileInfo>

namespace lumetra {

SelectedFileWatch::SelectedFileWatch(QObject* parent) : QObject(parent) {
    settle_.setSingleShot(true);
    settle_.setInterval(kSettleMilliseconds);
    connect(&watcher_, &QFileSystemWatcher::fileChanged, this, &SelectedFileWatch::Touched);
    connect(&settle_, &QTimer::timeout, this, &SelectedFileWatch::Settled);
}

void SelectedFileWatch::Watch(const QString& fileName) {
    settle_.stop();
    if (const QStringList watched = watcher_.files(); !watched.isEmpty())
        watcher_.removePaths(watched);
    file_ = fileName;
    if (!file_.isEmpty() && QFileInfo::exists(file_))
        watcher_.addPath(file_);
}

void SelectedFileWatch::Touched() {
    settle_.start(); // again: each change restarts the quiet time
}

// A file replaced by a rename is no longer watched; the new one with its name is.
void SelectedFileWatch::Settled() {
    if (!file_.isEmpty() && !watcher_.files().contains(file_) && QFileInfo::exists(file_))
        watcher_.addPath(file_);
    emit changed();
}

} // namespace lumetra
