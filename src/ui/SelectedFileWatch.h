#pragma once
// Watches the loaded file on disk, so a file that an editor or an export changes while it is
// selected is read again without a click. Editors often write a new file and rename it over the
// old one, which ends a watch: the name is watched again after every change. A change is reported
// once the file has been quiet for a moment, so a file being written is not read half-way.

#include <QFileSystemWatcher>
#include <QObject>
#include <QString>
#include <QTimer>

namespace lumetra {

class SelectedFileWatch : public QObject {
    Q_OBJECT
  public:
    // How long the file must stay unchanged before it counts as changed.
    static constexpr int kSettleMilliseconds = 250;

    explicit SelectedFileWatch(QObject* parent = nullptr);

    // Watches this file from now on, in place of any other; an empty name watches nothing.
    void Watch(const QString& fileName);
    const QString& Watched() const { return file_; }

  signals:
    // The watched file changed, was replaced or was removed, and has been quiet since.
    void changed();

  private:
    void Touched();
    void Settled();

    QFileSystemWatcher watcher_;
    QTimer settle_;
    QString file_;
};

} // namespace lumetra
