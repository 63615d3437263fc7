#include "Loading.h"

#include "Errors.h"
#include "IesReader.h"
#include "ProgramData.h"
#include "TextLines.h"

#include <filesystem>
#include <fstream>
#include <string_view>

namespace lumetra {

namespace {

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
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw LumetraError(cannotOpen);
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(size));
    char chunk[1 << 16];
    while (in) {
        in.read(chunk, sizeof chunk);
        const auto got = static_cast<std::size_t>(in.gcount());
        if (bytes.size() + got > kMaxFileBytes)
            throw tooLarge(bytes.size() + got);
        bytes.append(chunk, got);
    }
    if (in.bad())
        throw LumetraError(cannotOpen);
    return bytes;
}

// Every line costs a string object of its own, so a file made of nothing but line breaks would
// need many times its size in memory; such a file cannot be an IES file of a supported size.
std::size_t CountLines(std::string_view text) {
    text = text.substr(0, text.find('\0'));
    std::size_t lines = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        // CR LF is one break: count the LF, and a CR only when no LF follows it.
        if (text[i] == '\n' || (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n')))
            ++lines;
    }
    const bool unterminated = !text.empty() && text.back() != '\n' && text.back() != '\r';
    return lines + (unterminated ? 1 : 0);
}

} // namespace

TextLines ReadFileLines(const std::string& fileName, const std::string& format) {
    const std::string bytes = ReadWholeFile(fileName, format);
    if (CountLines(bytes) > kMaxFileLines)
        throw LumetraError("File " + fileName + " has too many lines to be an " + format +
                           " file (more than " + std::to_string(kMaxFileLines) + ")");
    return SplitIntoLines(bytes);
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
    fileLines = ReadFileLines(fileName);
    return ReadIES(fileLines, record, headerLines, notify, facts);
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
