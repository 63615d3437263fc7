#include "PathToOpen.h"

#include <filesystem>
#include <fstream>
#include <system_error>

namespace lumetra {

namespace fs = std::filesystem;

namespace {

PathToOpen Failure(std::string text) {
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

std::string WhyMissing(const fs::file_status& status, const std::error_code& error) {
    if (status.type() == fs::file_type::not_found || !error)
        return "no such file or folder";
    return error.message();
}

} // namespace

PathToOpen WhatPathOpens(const std::string& path) {
    if (path.empty())
        return Failure("Cannot open a file without a name");
    const fs::path full = FullName(path);
    std::error_code error;
    const fs::file_status status = fs::status(full, error);
    if (!fs::exists(status))
        return Failure("Cannot open " + path + ": " + WhyMissing(status, error));
    if (fs::is_directory(status)) {
        if (!CanList(full))
            return Failure("Cannot open folder " + path);
        return {PathToOpen::Kind::Folder, full.string(), {}, {}};
    }
    if (!fs::is_regular_file(status))
        return Failure("Cannot open " + path + ": not a file or folder");
    if (!CanRead(full))
        return Failure("Cannot read " + path);
    return {PathToOpen::Kind::File, full.parent_path().string(), full.filename().string(), {}};
}

} // namespace lumetra
