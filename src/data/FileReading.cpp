#include "FileReading.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lumetra {

namespace {

// An open file, read only, closed when it goes out of scope. Opening does not wait on a pipe or
// device that appeared since the file was looked at; fstat refuses those afterwards.
class FileHandle {
  public:
    explicit FileHandle(const std::string& fileName)
        : fd_(::open(fileName.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK)) {}
    ~FileHandle() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    explicit operator bool() const { return fd_ >= 0; }
    int fd() const { return fd_; }

  private:
    int fd_;
};

bool IsRegularFile(const struct stat& info) {
    return S_ISREG(info.st_mode);
}

} // namespace

// The file is looked at before it is opened, so that a pipe or device is never opened at all,
// and a file too large is refused before it is read.
FileRead FileReader::Read(const std::string& fileName) {
    used_ = 0;
    size_ = 0;
    struct stat info {};
    if (::stat(fileName.c_str(), &info) != 0 || !IsRegularFile(info))
        return FileRead::Unreadable;
    size_ = static_cast<std::uintmax_t>(info.st_size);
    if (size_ > kMaxFileBytes)
        return FileRead::TooLarge;
    const FileHandle file(fileName);
    if (!file || ::fstat(file.fd(), &info) != 0 || !IsRegularFile(info))
        return FileRead::Unreadable; // replaced by something else since it was looked at
    return ReadToEnd(file.fd(), static_cast<std::size_t>(size_));
}

std::string FileReader::TakeBytes() && {
    std::string taken(bytes());
    buffer_.reset();
    room_ = 0;
    used_ = 0;
    return taken;
}

// Reads to the end of the file, stopping beyond kMaxFileBytes. Asking for more than the expected
// size makes a single read enough: when it returns exactly that size the whole file is in. A file
// that shrank, grew or came in pieces is read on to its end.
FileRead FileReader::ReadToEnd(int fd, std::size_t expected) {
    Reserve(expected + 1);
    for (;;) {
        const ssize_t got = ::read(fd, buffer_.get() + used_, room_ - used_);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return FileRead::Unreadable;
        used_ += static_cast<std::size_t>(got);
        if (got == 0 || (used_ == expected && used_ < room_))
            break;
        if (used_ > kMaxFileBytes) {
            size_ = used_;
            return FileRead::TooLarge;
        }
        if (used_ == room_)
            Reserve(std::min<std::size_t>(2 * used_, kMaxFileBytes + 1));
    }
    size_ = used_;
    return FileRead::Whole;
}

// The buffer only grows, keeping the used_ bytes read so far: the bytes of an earlier file beyond
// them are simply read over.
void FileReader::Reserve(std::size_t size) {
    if (room_ >= size)
        return;
    auto larger = std::make_unique_for_overwrite<char[]>(size);
    std::copy_n(buffer_.get(), used_, larger.get());
    buffer_ = std::move(larger);
    room_ = size;
}

} // namespace lumetra
