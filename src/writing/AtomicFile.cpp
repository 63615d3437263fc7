#include "AtomicFile.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lumetra::writing {

namespace {

[[noreturn]] void Refuse(const std::string& fileName, const std::string& reason) {
    throw WriteError("Cannot write " + fileName + ": " + reason);
}

std::string Folder(const std::string& fileName) {
    const auto slash = fileName.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : fileName.substr(0, slash);
}

std::string BaseName(const std::string& fileName) {
    const auto slash = fileName.rfind('/');
    return slash == std::string::npos ? fileName : fileName.substr(slash + 1);
}

// A new file of a name of its own beside the target, with the permissions the umask gives any
// new file; the name carries the process and a counter, so threads and processes never meet.
int CreateTemporary(const std::string& fileName, std::string& temporary) {
    static std::atomic<unsigned> counter{0};
    const std::string stem =
        Folder(fileName) + "/." + BaseName(fileName) + "." + std::to_string(getpid()) + ".";
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = stem + std::to_string(counter++) + ".tmp";
        const int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// Writes and flushes the temporary file; on failure removes it and throws.
void FillTemporary(int fd, const std::string& temporary, const std::string& fileName,
                   std::string_view bytes) {
    const bool ok = WriteAll(fd, bytes) && fsync(fd) == 0;
    const int error = errno;
    const bool closed = close(fd) == 0;
    if (ok && closed)
        return;
    unlink(temporary.c_str());
    Refuse(fileName, std::strerror(ok ? errno : error));
}

// Gives the temporary file its name; with Existing::Keep only when no file has that name.
int Publish(const std::string& temporary, const std::string& fileName, Existing existing) {
    if (existing == Existing::Replace)
        return rename(temporary.c_str(), fileName.c_str()) == 0 ? 0 : errno;
    if (renameat2(AT_FDCWD, temporary.c_str(), AT_FDCWD, fileName.c_str(), RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS)
        return errno;
    // A file system without the no-replace rename: a hard link fails as well when the name exists.
    if (link(temporary.c_str(), fileName.c_str()) != 0)
        return errno;
    unlink(temporary.c_str());
    return 0;
}

} // namespace

void WriteFileAtomically(const std::string& fileName, std::string_view bytes, Existing existing) {
    std::string temporary;
    const int fd = CreateTemporary(fileName, temporary);
    if (fd < 0)
        Refuse(fileName, std::strerror(errno));
    FillTemporary(fd, temporary, fileName, bytes);
    const int error = Publish(temporary, fileName, existing);
    if (error == 0)
        return;
    unlink(temporary.c_str());
    Refuse(fileName,
           error == EEXIST ? std::string("the file exists already") : std::strerror(error));
}

} // namespace lumetra::writing
