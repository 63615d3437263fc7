#pragma once
// The files that lumetra-cli check looks at: each PATH argument that is a file, and the *.ies and
// *.ldt files (any letter case) in each folder argument and all its subfolders.

#include <QStringList>
#include <string>
#include <vector>

namespace lumetra::cli {

struct CheckPaths {
    QStringList files;                    // in argument order; each folder's files sorted by path
    std::vector<std::string> nativeFiles; // the same files by the bytes of their names
    QStringList unreadable; // arguments that do not exist, and folders that cannot be listed
};

// Folders are walked by the bytes of their entries' names, so a file whose name is not valid
// UTF-8 is found and can be opened; its shown name has replacement characters instead.
CheckPaths CollectCheckPaths(const QStringList& arguments);

} // namespace lumetra::cli
