#include "FolderEntries.h"

#include "data/Errors.h"
#include "eulumdat/PhotometryFile.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace lumetra {

namespace {

bool Wanted(const std::filesystem::directory_entry& entry, EntryKind kind) {
    const std::string name = entry.path().filename().native();
    std::error_code error; // an entry that vanished or cannot be looked at is left out
    if (name.empty() || name.front() == '.')
        return false;
    if (kind == EntryKind::Folders)
        return entry.is_directory(error);
    // In a folder that may be listed but not entered a file cannot be looked at; it is listed
    // all the same, so that opening it says why it cannot be read.
    return IsPhotometricFileName(name) &&
           (entry.is_regular_file(error) ||
            (error && error != std::errc::no_such_file_or_directory));
}

} // namespace

QString ShownName(const std::string& bytes) {
    return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

std::vector<FolderEntry> ListFolder(const std::string& folder, EntryKind kind) {
    std::error_code error;
    std::filesystem::directory_iterator it(folder, error);
    std::vector<FolderEntry> entries;
    for (; !error && it != std::filesystem::directory_iterator(); it.increment(error)) {
        if (Wanted(*it, kind)) {
            const std::string name = it->path().filename().native();
            entries.push_back({name, ShownName(name)});
        }
    }
    if (error)
        throw LumetraError("Cannot open folder " + folder + ": " + error.message());
    std::sort(entries.begin(), entries.end(), [](const FolderEntry& a, const FolderEntry& b) {
        const int order = a.shown.compare(b.shown, Qt::CaseInsensitive);
        return order != 0 ? order < 0 : a.name < b.name;
    });
    return entries;
}

} // namespace lumetra
