#pragma once
// Reading a named file whole, by the rules every reader of the program keeps: only a regular file
// is read (a pipe or device could block or never end), and never more than kMaxFileBytes.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace lumetra {

// Largest file the viewer reads; a bigger one is refused before it is read.
inline constexpr std::uintmax_t kMaxFileBytes = 256u * 1024u * 1024u;

enum class FileRead {
    Whole,     // bytes() holds the file
    TooLarge,  // size() is the size found beyond kMaxFileBytes, before or while reading
    Unreadable // not a regular file, or it cannot be opened or read
};

// Reads files into one buffer that keeps its capacity, so that a caller reading many files
// allocates only for a file larger than any before it, and each file costs one stat, one open,
// one fstat and, as a rule, a single read.
class FileReader {
  public:
    FileRead Read(const std::string& fileName);

    // The bytes of the last file read whole.
    std::string_view bytes() const { return {buffer_.get(), used_}; }
    // The size of the last file read, or the size found when it was too large.
    std::uintmax_t size() const { return size_; }
    // The bytes of the last file read whole, leaving the reader empty.
    std::string TakeBytes() &&;

  private:
    FileRead ReadToEnd(int fd, std::size_t expected);
    void Reserve(std::size_t size);

    // Room to read into, never cleared first: a file read fills what it uses, and clearing
    // tens of megabytes only to read over them would take a tenth of the time of a load.
    std::unique_ptr<char[]> buffer_;
    std::size_t room_ = 0;
    std::size_t used_ = 0; // bytes of the buffer that are the file
    std::uintmax_t size_ = 0;
};

} // namespace lumetra
