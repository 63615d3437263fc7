#include "OtherFormat.h"

#include "PhotometryFile.h"
#include "data/AsciiCase.h"
#include "data/IesReader.h"
#include "data/TextLines.h"
#include "data/VersionLine.h"

#include <algorithm>
#include <charconv>

namespace lumetra {

namespace {

// The line as a number, or none when it holds anything else.
std::optional<double> NumberLine(const std::string& line) {
    const std::string_view text = TrimBlanks(line);
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

bool WholeNumberIn(const std::string& line, double least, double most) {
    const std::optional<double> value = NumberLine(line);
    return value && *value == static_cast<double>(static_cast<long long>(*value)) &&
           *value >= least && *value <= most;
}

} // namespace

bool HasEulumdatLayout(const TextLines& lines) {
    if (lines.size() < 7 || FindTiltLine(lines) < lines.size())
        return false;
    if (!WholeNumberIn(lines[1], 0, 3) || !WholeNumberIn(lines[2], 0, 4))
        return false;
    return std::all_of(lines.begin() + 3, lines.begin() + 7,
                       [](const std::string& line) { return NumberLine(line).has_value(); });
}

bool HasIesLayout(const TextLines& lines) {
    if (!lines.empty() && IsVersionLine(lines.front()))
        return true;
    return FindTiltLine(lines) < lines.size();
}

std::optional<Message> OtherFormatNote(std::string_view fileName, const TextLines& lines) {
    if (IsEulumdatFileName(fileName)) {
        if (HasIesLayout(lines))
            return LUMETRA_MESSAGE(
                "OtherFormat", "The file holds IES (LM-63) text although its name ends in .ldt");
    } else if (HasEulumdatLayout(lines)) {
        return LUMETRA_MESSAGE(
            "OtherFormat", "The file holds EULUMDAT data although its name does not end in .ldt");
    }
    return std::nullopt;
}

std::optional<Message> OtherFormatNoteOfBytes(std::string_view fileName, std::string_view bytes) {
    // The first lines decide; a whole file of lines is not needed, only enough for a TILT line
    // deep in a long header.
    constexpr std::size_t kLookedAt = 64 * 1024;
    return OtherFormatNote(fileName, SplitIntoLines(bytes.substr(0, kLookedAt)));
}

} // namespace lumetra
