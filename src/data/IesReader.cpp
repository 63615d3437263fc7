#include "IesReader.h"

#include "Errors.h"
#include "NumericText.h"
#include "TextLines.h"

#include <algorithm>
#include <cmath>

namespace lumetra {

namespace {

// ASCII only: std::tolower follows the user's locale, and in a Turkish one "I" does not fold to
// "i", so TILT=NONE would stop being a TILT line.
char AsciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return AsciiLower(x) == AsciiLower(y);
           });
}

std::string_view TrimBlanks(std::string_view s) {
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    const auto last = s.find_last_not_of(" \t");
    return s.substr(first, last - first + 1);
}

// Reads the leading numbers and remembers the first failure among them, so that the message can
// name a real file line.
class LeadingNumberReader {
  public:
    LeadingNumberReader(NumericText& text, bool& parseError)
        : text_(text), parseError_(parseError) {}

    long double Read() {
        const std::string_view token = text_.TakeToken();
        long double value = 0;
        if (!ConvertToken(token, value)) {
            parseError_ = true;
            if (!failed_) {
                failed_ = true;
                ranOut_ = token.empty(); // tokens are never empty while numbers remain
                failureOffset_ = text_.lastTokenStart();
            }
        }
        return value;
    }
    bool failed() const { return failed_; }
    bool ranOut() const { return ranOut_; }
    std::size_t failureOffset() const { return failureOffset_; }

  private:
    NumericText& text_;
    bool& parseError_;
    bool failed_ = false;
    bool ranOut_ = false;
    std::size_t failureOffset_ = 0;
};

// Rounds to the nearest integer (ties to even) and keeps the low 16 bits. A rounded value outside
// the 64-bit signed range has no low bits to keep, so the file is refused.
std::uint16_t RoundedLowWord(long double value, const char* what) {
    const long double rounded = std::nearbyintl(value);
    constexpr long double kTwoTo63 = 9223372036854775808.0L; // exact in extended precision
    if (!(rounded >= -kTwoTo63 && rounded < kTwoTo63))
        throw LumetraError(std::string("The ") + what + " of the file is out of range");
    return static_cast<std::uint16_t>(
        static_cast<std::uint64_t>(static_cast<std::int64_t>(rounded)) & 0xFFFFu);
}

// File line (1-based) holding the text offset, given the numeric text's line starts.
std::size_t FileLineOf(std::size_t offset, const std::vector<std::size_t>& lineStarts,
                       std::size_t headerCount) {
    const auto after = std::upper_bound(lineStarts.begin(), lineStarts.end(), offset);
    return headerCount + static_cast<std::size_t>(after - lineStarts.begin());
}

std::vector<std::size_t> LineStarts(const TextLines& lines) {
    std::vector<std::size_t> starts;
    starts.reserve(lines.size());
    std::size_t offset = 0;
    for (const auto& line : lines) {
        starts.push_back(offset);
        offset += line.size() + 2;
    }
    return starts;
}

// The tilt block of TILT=INCLUDE: geometry, a count N, N angles and N factors. Skipping stops
// once the text runs out, so a huge count cannot make it loop. The text holds fewer tokens than
// characters, so clamping N to its length changes nothing and keeps the arithmetic integral.
void SkipTiltBlock(NumericText& text, LeadingNumberReader& reader) {
    reader.Read(); // lamp-to-luminaire geometry
    const long double count = std::nearbyintl(reader.Read());
    const auto limit = static_cast<long double>(text.text().size());
    const auto pairs = count > 0 ? static_cast<std::size_t>(std::min(count, limit)) : 0;
    for (std::size_t i = 0; i < 2 * pairs && !text.exhausted(); ++i)
        reader.Read(); // the N angles, then the N multiplying factors
}

void ReadList(NumericText& text, tArrEx& list, std::size_t count, bool& parseError) {
    list.resize(count);
    for (auto& value : list)
        value = ReadNumber(text, parseError);
}

} // namespace

bool IsTiltLine(std::string_view line) {
    const auto eq = line.find('=');
    return eq != std::string_view::npos && EqualsIgnoringCase(line.substr(0, eq), "tilt");
}

std::size_t FindTiltLine(const TextLines& lines) {
    const auto tilt = std::find_if(lines.begin(), lines.end(),
                                   [](const std::string& line) { return IsTiltLine(line); });
    return static_cast<std::size_t>(tilt - lines.begin());
}

bool IsTiltInclude(const std::string& tiltLine) {
    const auto eq = tiltLine.find('=');
    return eq != std::string::npos &&
           EqualsIgnoringCase(TrimBlanks(std::string_view(tiltLine).substr(eq + 1)), "include");
}

std::string LineBreaksToSpaces(std::string text) {
    std::replace(text.begin(), text.end(), '\r', ' ');
    std::replace(text.begin(), text.end(), '\n', ' ');
    return text;
}

std::string SplitHeader(TextLines& lines, TextLines& headerLines) {
    const std::size_t tilt = FindTiltLine(lines);
    headerLines.clear();
    if (tilt < lines.size()) {
        const auto end = lines.begin() + static_cast<std::ptrdiff_t>(tilt + 1);
        headerLines.assign(std::make_move_iterator(lines.begin()), std::make_move_iterator(end));
        lines.erase(lines.begin(), end);
    }
    std::string text = LineBreaksToSpaces(JoinLinesCrLf(lines));
    std::replace(text.begin(), text.end(), ',', ' ');
    return text;
}

namespace {

// The angle lists and the candela planes, as many as the record's counts say.
void ReadGrid(NumericText& text, tIES& record, bool& parseError) {
    ReadList(text, record.VerticalAngles, record.VerticalCount, parseError);
    ReadList(text, record.HorizontalAngles, record.HorizontalCount, parseError);
    record.Candela.resize(record.HorizontalCount);
    for (auto& plane : record.Candela)
        ReadList(text, plane, record.VerticalCount, parseError);
}

} // namespace

bool ReadIES(TextLines& lines, tIES& record, TextLines& headerLines, const Notifier& notify) {
    const std::size_t totalLines = lines.size();
    NumericText text(SplitHeader(lines, headerLines));
    const std::vector<std::size_t> lineStarts = LineStarts(lines);
    const std::size_t headerCount = headerLines.size();
    lines.clear();
    if (text.empty())
        throw LumetraError("List index out of bounds (0)");

    bool parseError = false;
    LeadingNumberReader reader(text, parseError);
    if (!headerLines.empty() && IsTiltInclude(headerLines.back()))
        SkipTiltBlock(text, reader);

    long double leading[13];
    for (auto& value : leading)
        value = reader.Read();
    // The message comes once, right after the thirteenth number, whatever follows.
    if (reader.failed() && notify)
        notify("Error!\r\rLine " +
               std::to_string(reader.ranOut()
                                  ? totalLines
                                  : FileLineOf(reader.failureOffset(), lineStarts, headerCount)));

    // Checked before the record changes or anything is allocated, so a refused file leaves the
    // record as a file with nothing after its TILT line does.
    const std::uint16_t verticalCount = RoundedLowWord(leading[3], "vertical angle count");
    const std::uint16_t horizontalCount = RoundedLowWord(leading[4], "horizontal angle count");
    const std::uint16_t unitsType = RoundedLowWord(leading[6], "units type");
    const unsigned long grid = static_cast<unsigned long>(verticalCount) * horizontalCount;
    if (grid > kMaxCandelaValues)
        throw LumetraError("The file declares " + std::to_string(verticalCount) + " x " +
                           std::to_string(horizontalCount) +
                           " candela values, more than the viewer supports (" +
                           std::to_string(kMaxCandelaValues) + ")");

    record.LampLumens = leading[1];
    record.CandelaMultiplier = leading[2];
    record.VerticalCount = verticalCount;
    record.HorizontalCount = horizontalCount;
    record.UnitsType = unitsType;

    ReadGrid(text, record, parseError);
    lines.assign(1, std::move(text).release());
    return parseError;
}

std::string HeaderKeyword(const std::string& keyword, const std::string& headerText) {
    const auto at = headerText.find(keyword);
    if (keyword.empty() || at == std::string::npos)
        return {};
    const auto start = at + keyword.size();
    const auto end = headerText.find_first_of("\n\r[", start);
    return headerText.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

} // namespace lumetra
