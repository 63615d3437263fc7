#include "Loading.h"

#include "Errors.h"
#include "IesReader.h"
#include "ProgramData.h"
#include "TextLines.h"

#include <filesystem>
#include <fstream>
#include <iterator>

namespace lumetra {

namespace {

// Reads a regular file whole. Anything else (a folder, a pipe that could block, a device) and
// anything too large to hold is refused as unopenable.
std::string ReadWholeFile(const std::string& fileName) {
    const std::string cannotOpen = FormatMessage("Cannot open file %s", fileName);
    std::error_code ec;
    const std::filesystem::path path(fileName);
    if (!std::filesystem::is_regular_file(path, ec))
        throw LumetraError(cannotOpen);
    const auto size = std::filesystem::file_size(path, ec);
    if (ec)
        throw LumetraError(cannotOpen);
    if (size > kMaxFileBytes)
        throw LumetraError("File " + fileName + " is too large to be an IES file (" +
                           std::to_string(size) + " bytes)");
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw LumetraError(cannotOpen);
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(size));
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (in.bad() || bytes.size() > kMaxFileBytes)
        throw LumetraError(cannotOpen);
    return bytes;
}

} // namespace

bool LoadPhotometry(const std::string& fileName, tIES& record, TextLines& fileLines,
                    TextLines& headerLines, const Notifier& notify) {
    for (auto& plane : record.Candela)
        plane.clear();
    record.Candela.clear();
    fileLines = SplitIntoLines(ReadWholeFile(fileName));
    return ReadIES(fileLines, record, headerLines, notify);
}

void LoadPhotometry(const std::string& fileName, const Notifier& notify) {
    ParseError = LoadPhotometry(fileName, Photometry, FileLines, HeaderLines, notify);
}

std::string BuildDescription(const std::string& headerText) {
    static const std::pair<const char*, const char*> kLines[] = {
        {"Test: ", "[TEST]"},          {"Manufacturer: ", "[MANUFAC]"},
        {"", "[LUMINAIRE]"},           {"Luminaire catalog: ", "[LUMCAT]"},
        {"Lamp:", "[LAMP]"},           {"Lamp catalog: ", "[LAMPCAT]"},
    };
    std::string description;
    for (const auto& [caption, keyword] : kLines) {
        description += caption;
        description += HeaderKeyword(keyword, headerText);
        description += '\r';
    }
    return description;
}

std::string HeaderText(const TextLines& headerLines) { return JoinLinesCrLf(headerLines); }

} // namespace lumetra
