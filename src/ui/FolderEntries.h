#pragma once
// A folder's entries by the bytes of their names, as the file system keeps them: a name that is
// not valid UTF-8 is listed too, and opened by its real bytes.

#include <QString>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace lumetra {

// A sorted list of names in one block of bytes. Neighbours in a sorted list share their fronts
// ("LX-0041_..." after "LX-0040_..."), so each name keeps only what differs from the one before
// it, and a common extension (".ies", ".IES", ".ldt") is a code rather than four bytes; every
// kRestart-th name is whole, and its offset is the only index. A folder of a hundred thousand
// files so costs less than the characters of their names, and one name is found by decoding at
// most kRestart of them.
class FolderNames {
  public:
    static constexpr std::size_t kRestart = 16;

    FolderNames() = default;
    // The names in the order they are listed; names hold no NUL byte (file names cannot).
    explicit FolderNames(const std::vector<std::string_view>& sorted);

    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    std::string operator[](std::size_t index) const;
    // The index of the name, or size() when it is not listed.
    std::size_t Find(std::string_view name) const;
    // Every name with its index, in order: one pass, much cheaper than indexing each name.
    void ForEach(const std::function<void(std::size_t, std::string_view)>& visit) const;

  private:
    std::string bytes_;
    std::vector<std::size_t> restarts_; // offset in bytes_ of names 0, kRestart, 2 kRestart ...
    std::size_t size_ = 0;
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
