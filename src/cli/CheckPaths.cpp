#include "CheckPaths.h"

#include <QDirIterator>
#include <QFileInfo>
#include <algorithm>

namespace lumetra::cli {

namespace {

bool IsListable(const QFileInfo& folder) {
    return folder.isReadable() && folder.isExecutable();
}

// Symbolic links to folders are not followed, so a link back up the tree cannot make the walk
// endless. Folders are visited whatever their names, and a folder that cannot be listed is
// reported rather than passed over in silence.
void CollectFolder(const QString& folder, CheckPaths& paths) {
    if (!IsListable(QFileInfo(folder))) {
        paths.unreadable.push_back(folder);
        return;
    }
    QStringList found;
    QDirIterator it(folder, {QStringLiteral("*.ies")},
                    QDir::Files | QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Hidden |
                        QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo entry = it.nextFileInfo();
        if (entry.isDir()) {
            if (!IsListable(entry))
                paths.unreadable.push_back(entry.filePath());
        } else if (entry.fileName().endsWith(QStringLiteral(".ies"), Qt::CaseInsensitive)) {
            found.push_back(entry.filePath());
        }
    }
    std::sort(found.begin(), found.end());
    paths.files += found;
}

} // namespace

CheckPaths CollectCheckPaths(const QStringList& arguments) {
    CheckPaths paths;
    for (const QString& argument : arguments) {
        const QFileInfo info(argument);
        if (info.isDir())
            CollectFolder(argument, paths);
        else if (info.exists())
            paths.files.push_back(argument);
        else
            paths.unreadable.push_back(argument);
    }
    return paths;
}

} // namespace lumetra::cli
