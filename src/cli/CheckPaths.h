#pragma once
// The files that lumetra-cli check looks at: each PATH argument that is a file, and the *.ies
// files (any letter case) in each folder argument and all its subfolders.

#include <QStringList>

namespace lumetra::cli {

struct CheckPaths {
    QStringList files;      // in argument order; each folder's files sorted by path
    QStringList unreadable; // arguments that do not exist, and folders that cannot be listed
};

CheckPaths CollectCheckPaths(const QStringList& arguments);

} // namespace lumetra::cli
