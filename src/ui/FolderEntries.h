#pragma once
// A folder's entries by the bytes of their names, as the file system keeps them: a name that is
// not valid UTF-8 is listed too, and opened by its real bytes.

#include <QString>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace lumetra {

// Names kept end to end in one block, so that a folder of a hundred thousand files costs little
// more than the characters of their names.
class FolderNames {
  public:
    std::size_t size() const { return starts_.size(); }
    bool empty() const { return starts_.empty(); }
    std::string_view operator[](std::size_t index) const;
    // The index of the name, or size() when it is not listed.
    std::size_t Find(std::string_view name) const;
    void Add(std::string_view name);
    // Puts the names in the order they are shown: by their shown names ignoring letter case, then
    // by their bytes.
    void Sort();

  private:
    std::string bytes_;
    std::vector<std::size_t> starts_;
};

enum class EntryKind { Folders, PhotometricFiles };

// The folder's subfolders, or its files named "*.ies" or "*.ldt" in any letter case, hidden ones
// left out, sorted. Throws LumetraError, naming the folder and the reason, when the folder cannot
// be listed.
FolderNames ListFolder(const std::string& folder, EntryKind kind);

// The name for reading of a path given by its bytes: invalid UTF-8 becomes replacement characters.
QString ShownName(std::string_view bytes);

// Whether a comes before b in a list: by shown names ignoring letter case, then by bytes.
bool ShownBefore(std::string_view a, std::string_view b);

} // namespace lumetra
