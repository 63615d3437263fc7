#pragma once
// A folder's entries by the bytes of their names, as the file system keeps them: a name that is
// not valid UTF-8 is listed too, and opened by its real bytes.

#include <QString>
#include <string>
#include <vector>

namespace lumetra {

struct FolderEntry {
    std::string name; // the bytes of the name
    QString shown;    // the name for reading: invalid UTF-8 becomes replacement characters
};

enum class EntryKind { Folders, PhotometricFiles };

// The folder's subfolders, or its files named "*.ies" or "*.ldt" in any letter case, hidden ones
// left out, sorted by their shown names ignoring case. Throws LumetraError, naming the folder and
// the reason, when the folder cannot be listed.
std::vector<FolderEntry> ListFolder(const std::string& folder, EntryKind kind);

// The name for reading of a path given by its bytes.
QString ShownName(const std::string& bytes);

} // namespace lumetra
