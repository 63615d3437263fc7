#include "FileStamp.h"

#include "data/Errors.h"

#include <system_error>

namespace lumetra {

std::optional<FileStamp> StampOf(const std::string& fileName) {
    std::error_code error;
    const std::filesystem::path path(fileName);
    FileStamp stamp;
    stamp.size = std::filesystem::file_size(path, error);
    if (!error)
        stamp.modified = std::filesystem::last_write_time(path, error);
    if (error)
        return std::nullopt;
    return stamp;
}

bool FileExistsChecked(const std::string& fileName) {
    if (fileName.empty())
        return false;
    std::error_code error;
    const auto status = std::filesystem::status(fileName, error);
    if (error && error != std::errc::no_such_file_or_directory &&
        error != std::errc::not_a_directory)
        throw LumetraError("Cannot open file " + fileName + ": " + error.message());
    return std::filesystem::exists(status);
}

} // namespace lumetra
