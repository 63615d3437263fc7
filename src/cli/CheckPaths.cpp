#include "CheckPaths.h"

#include "eulumdat/PhotometryFile.h"
#include "surface/FileNameText.h"

#include <QFile>
#include <algorithm>
#include <filesystem>
#include <unistd.h>
#include <utility>

namespace lumetra::cli {

namespace {

namespace fs = std::filesystem;

bool IsListable(const fs::path& folder) {
    return ::access(folder.c_str(), R_OK | X_OK) == 0;
}

QString Shown(const fs::path& path) {
    return FileNameText(path.native());
}

using FoundFile = std::pair<QString, std::string>; // shown name, native name

// Sorts into a listed folder's subfolders to visit and its *.ies and *.ldt entries.
void ListFolder(const fs::path& folder, std::vector<fs::path>& pending,
                std::vector<FoundFile>& found, CheckPaths& paths) {
    std::error_code ec;
    fs::directory_iterator it(folder, ec);
    if (ec) {
        paths.unreadable.push_back(Shown(folder));
        return;
    }
    for (; it != fs::directory_iterator(); it.increment(ec)) {
        const fs::directory_entry& entry = *it;
        std::error_code statusError;
        // Symbolic links to folders are not followed, so a link back up the tree cannot make
        // the walk endless; other entries, links and pipes included, are files to check.
        if (entry.is_directory(statusError)) {
            if (!entry.is_symlink(statusError))
                pending.push_back(entry.path());
        } else if (IsPhotometricFileName(entry.path().filename().native())) {
            found.emplace_back(Shown(entry.path()), entry.path().native());
        }
    }
    if (ec)
        paths.unreadable.push_back(Shown(folder));
}

// Folders are visited whatever their names, and a folder that cannot be listed is reported
// rather than passed over in silence.
void CollectFolder(const fs::path& root, CheckPaths& paths) {
    std::vector<FoundFile> found;
    std::vector<fs::path> pending{root};
    while (!pending.empty()) {
        const fs::path folder = std::move(pending.back());
        pending.pop_back();
        if (IsListable(folder))
            ListFolder(folder, pending, found, paths);
        else
            paths.unreadable.push_back(Shown(folder));
    }
    std::sort(found.begin(), found.end());
    for (auto& [shown, native] : found) {
        paths.files.push_back(shown);
        paths.nativeFiles.push_back(std::move(native));
    }
}

} // namespace

CheckPaths CollectCheckPaths(const QStringList& arguments) {
    CheckPaths paths;
    for (const QString& argument : arguments) {
        const fs::path native(FileNameBytes(argument));
        std::error_code ec;
        if (fs::is_directory(native, ec)) {
            CollectFolder(native, paths);
        } else if (fs::exists(native, ec)) {
            paths.files.push_back(argument);
            paths.nativeFiles.push_back(native.native());
        } else {
            paths.unreadable.push_back(argument);
        }
    }
    return paths;
}

} // namespace lumetra::cli
