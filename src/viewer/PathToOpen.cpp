#include "PathToOpen.h"

#include "data/Translatable.h"

#include <filesystem>
#include <fstream>
#include <system_error>

namespace lumetra {

namespace fs = std::filesystem;

namespace {

PathToOpen Failure(Message text) {
    PathToOpen result;
    result.error = std::move(text);
    return result;
}

bool CanRead(const fs::path& file) {
    const std::ifstream stream(file, std::ios::binary);
    return stream.is_open();
}

bool CanList(const fs::path& folder) {
    std::error_code error;
    const fs::directory_iterator entries(folder, error);
    return !error;
}

// The full name without "." and ".." steps and without a trailing separator.
fs::path FullName(const std::string& path) {
    std::error_code error;
    fs::path full = fs::absolute(fs::path(path), error).lexically_normal();
    if (!full.has_filename() && full.has_relative_path())
        full = full.parent_path();
    return full;
}

Message WhyMissing(const fs::file_status& status, const std::error_code& error) {
    if (status.type() == fs::file_type::not_found || !error)
        return LUMETRA_MESSAGE("Folders", "no such file or folder");
    return Message::Verbatim(error.message());
}

} // namespace

PathToOpen WhatPathOpens(const std::string& path) {
    if (path.empty())
        return Failure(LUMETRA_MESSAGE("Folders", "Cannot open a file without a name"));
    const fs::path full = FullName(path);
    std::error_code error;
    const fs::file_status status = fs::status(full, error);
    if (!fs::exists(status))
        return Failure(LUMETRA_MESSAGE("Folders", "Cannot open %1: %2")
                           .Arg(path)
                           .Arg(WhyMissing(status, error)));
    if (fs::is_directory(status)) {
        if (!CanList(full))
            return Failure(LUMETRA_MESSAGE("Folders", "Cannot open folder %1").Arg(path));
        return {PathToOpen::Kind::Folder, full.string(), {}, {}};
    }
    if (!fs::is_regular_file(status))
        return Failure(
            LUMETRA_MESSAGE("Folders", "Cannot open %1: not a file or folder").Arg(path));
    if (!CanRead(full))
        return Failure(LUMETRA_MESSAGE("Folders", "Cannot read %1").Arg(path));
    return {PathToOpen::Kind::File, full.parent_path().string(), full.filename().string(), {}};
}

} // namespace lumetra
