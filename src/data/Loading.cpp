#include "Loading.h"

#include "Errors.h"
#include "IesReader.h"
#include "ProgramData.h"
#include "TextLines.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <string_view>
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

enum class ReadOutcome { Whole, TooLarge, Failed };

// Reads to the end of the file into bytes, stopping beyond kMaxFileBytes. Asking for
// one byte more than the expected size makes a single read enough: when it returns exactly that
// size the whole file is in. A file that shrank, grew or came in pieces is read on to its end.
ReadOutcome ReadToEnd(int fd, std::size_t expected, std::string& bytes) {
    bytes.resize(expected + 1);
    std::size_t used = 0;
    for (;;) {
        const ssize_t got = ::read(fd, bytes.data() + used, bytes.size() - used);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return ReadOutcome::Failed;
        used += static_cast<std::size_t>(got);
        if (got == 0 || (used == expected && used < bytes.size()))
            break;
        if (used > kMaxFileBytes) {
            bytes.resize(used);
            return ReadOutcome::TooLarge;
        }
        if (used == bytes.size())
            bytes.resize(std::min<std::size_t>(2 * used, kMaxFileBytes + 1));
    }
    bytes.resize(used);
    return ReadOutcome::Whole;
}

// Reads a regular file whole. Anything else (a folder, a pipe that could block, a device) is
// refused as unopenable; a file too large to be an IES file is refused before it is read, and the
// read itself stops at the cap in case the file grows meanwhile.
std::string ReadWholeFile(const std::string& fileName, const std::string& format) {
    const std::string cannotOpen = FormatMessage("Cannot open file %s", fileName);
    const auto tooLarge = [&fileName, &format](std::uintmax_t size) {
        return LumetraError("File " + fileName + " is too large to be an " + format + " file (" +
                            std::to_string(size) + " bytes)");
    };
    std::error_code ec;
    const std::filesystem::path path(fileName);
    if (!std::filesystem::is_regular_file(path, ec))
        throw LumetraError(cannotOpen);
    const auto size = std::filesystem::file_size(path, ec);
    if (ec)
        throw LumetraError(cannotOpen);
    if (size > kMaxFileBytes)
        throw tooLarge(size);
    const FileHandle file(fileName);
    struct stat info {};
    if (!file || ::fstat(file.fd(), &info) != 0 || !S_ISREG(info.st_mode))
        throw LumetraError(cannotOpen); // replaced by something else since it was looked at
    std::string bytes;
    const ReadOutcome outcome = ReadToEnd(file.fd(), static_cast<std::size_t>(size), bytes);
    if (outcome == ReadOutcome::TooLarge)
        throw tooLarge(bytes.size());
    if (outcome == ReadOutcome::Failed)
        throw LumetraError(cannotOpen);
    return bytes;
}

// Every line costs a string object of its own, so a file made of nothing but line breaks would
// need many times its size in memory; such a file cannot be an IES file of a supported size.
std::size_t CountLines(std::string_view text) {
    text = text.substr(0, text.find('\0'));
    // CR LF is one break: count every LF, and a CR only when no LF follows it.
    std::size_t lines = CountByte(text, '\n');
    for (auto cr = text.find('\r'); cr != std::string_view::npos; cr = text.find('\r', cr + 1))
        lines += cr + 1 == text.size() || text[cr + 1] != '\n' ? 1 : 0;
    const bool unterminated = !text.empty() && text.back() != '\n' && text.back() != '\r';
    return lines + (unterminated ? 1 : 0);
}

// The file's bytes, refused like ReadFileLines refuses them.
std::string ReadFileText(const std::string& fileName, const std::string& format) {
    std::string bytes = ReadWholeFile(fileName, format);
    if (CountLines(bytes) > kMaxFileLines)
        throw LumetraError("File " + fileName + " has too many lines to be an " + format +
                           " file (more than " + std::to_string(kMaxFileLines) + ")");
    return bytes;
}

} // namespace

TextLines ReadFileLines(const std::string& fileName, const std::string& format) {
    return SplitIntoLines(ReadFileText(fileName, format));
}

bool LoadPhotometry(const std::string& fileName, tIES& record, TextLines& fileLines,
                    TextLines& headerLines, const Notifier& notify) {
    LuminaireFacts unused;
    return LoadPhotometry(fileName, record, fileLines, headerLines, notify, unused);
}

bool LoadPhotometry(const std::string& fileName, tIES& record, TextLines& fileLines,
                    TextLines& headerLines, const Notifier& notify, LuminaireFacts& facts) {
    for (auto& plane : record.Candela)
        plane.clear();
    record.Candela.clear();
    // Straight from the bytes: splitting them into a string per line first would cost an
    // allocation per line, and the reader joins the numeric lines again anyway.
    const std::string bytes = ReadFileText(fileName, "IES");
    return ReadIES(bytes, fileLines, record, headerLines, notify, facts);
}

void LoadPhotometry(const std::string& fileName, const Notifier& notify) {
    ParseError = LoadPhotometry(fileName, Photometry, FileLines, HeaderLines, notify, Luminaire);
}

std::string BuildDescription(const std::string& headerText) {
    static const std::pair<const char*, const char*> kLines[] = {
        {"Test: ", "[TEST]"}, {"Manufacturer: ", "[MANUFAC]"},
        {"", "[LUMINAIRE]"},  {"Luminaire catalog: ", "[LUMCAT]"},
        {"Lamp:", "[LAMP]"},  {"Lamp catalog: ", "[LAMPCAT]"},
    };
    std::string description;
    for (const auto& [caption, keyword] : kLines) {
        description += caption;
        description += HeaderKeyword(keyword, headerText);
        description += '\r';
    }
    return description;
}

std::string HeaderText(const TextLines& headerLines) {
    return JoinLinesCrLf(headerLines);
}

} // namespace lumetra
