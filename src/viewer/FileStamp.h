#pragma once
// What tells a file on disk apart from the one that was read: its size and modification time.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace lumetra {

struct FileStamp {
    std::uintmax_t size = 0;
    std::filesystem::file_time_type modified;
    friend bool operator==(const FileStamp&, const FileStamp&) = default;
};

// The file's stamp now; none when the file does not exist (or is no regular file).
std::optional<FileStamp> StampOf(const std::string& fileName);

// Whether a file of that name exists. Throws LumetraError, naming the file and the reason, when
// that cannot be told, as for a file in a folder that may be listed but not entered.
bool FileExistsChecked(const std::string& fileName);

} // namespace lumetra
