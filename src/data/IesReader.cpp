#include "IesReader.h"

#include "AsciiCase.h"
#include "Errors.h"
#include "NumericText.h"
#include "TextLines.h"
#include "Translatable.h"

#include <algorithm>
#include <cmath>

namespace lumetra {

namespace {

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
        throw LumetraError(LUMETRA_MESSAGE("IesReader", "The %1 of the file is out of range")
                               .Arg(Message("IesReader", what)));
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

// The luminaire's numbers among the 13 leading ones; the 12th (ballast-lamp factor, future use
// or file generation type, by version) is never a factor and is not kept.
LuminaireFacts FactsOf(const long double (&leading)[13]) {
    LuminaireFacts facts;
    facts.NumberOfLamps = leading[0];
    facts.LumensPerLamp = leading[1];
    facts.PhotometricType = leading[5];
    facts.Width = leading[7];
    facts.Length = leading[8];
    facts.Height = leading[9];
    facts.BallastFactor = leading[10];
    facts.InputWatts = leading[12];
    return facts;
}

// Where the first angle or candela value that set the parse-error flag starts in the text.
struct FirstValueFailure {
    bool seen = false;
    bool ranOut = false; // the numbers ran out: a short file, not a malformed value
    std::size_t offset = 0;
};

// Plain decimals, nearly every value of a file, go in one loop straight into the list; any other
// token the general way, one at a time.
void ReadList(NumericText& text, tArrEx& list, std::size_t count, bool& parseError,
              FirstValueFailure& failure) {
    list.clear();
    list.reserve(count);
    while (list.size() < count) {
        text.TakePlainNumbers(list, count);
        if (list.size() == count)
            break;
        list.push_back(ReadNumber(text, parseError));
        if (parseError && !failure.seen) {
            failure.seen = true;
            failure.offset = text.lastTokenStart();
            // A token always ends in a space; none after its start means there was no token.
            failure.ranOut = text.text().find(' ', failure.offset) == std::string::npos;
        }
    }
}

std::size_t MessageLine(const LeadingNumberReader& reader,
                        const std::vector<std::size_t>& lineStarts, std::size_t headerCount,
                        std::size_t totalLines) {
    return reader.ranOut() ? totalLines
                           : FileLineOf(reader.failureOffset(), lineStarts, headerCount);
}

} // namespace

bool IsTiltLine(std::string_view line) {
    const auto eq = line.find('=');
    return eq != std::string_view::npos && EqualsIgnoringAsciiCase(line.substr(0, eq), "tilt");
}

std::size_t FindTiltLine(const TextLines& lines) {
    const auto tilt = std::find_if(lines.begin(), lines.end(),
                                   [](const std::string& line) { return IsTiltLine(line); });
    return static_cast<std::size_t>(tilt - lines.begin());
}

bool IsTiltInclude(const std::string& tiltLine) {
    const auto eq = tiltLine.find('=');
    return eq != std::string::npos &&
           EqualsIgnoringAsciiCase(TrimBlanks(std::string_view(tiltLine).substr(eq + 1)),
                                   "include");
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

void NotifyLine(const Notifier& notify, std::size_t line) {
    if (notify)
        notify(LUMETRA_MESSAGE("IesReader", "Error!\r\rLine %1").Arg(std::to_string(line)));
}

// Counts, factors and facts from the thirteen leading numbers. The counts are checked before the
// record changes or anything is allocated, so a refused file leaves the record as a file with
// nothing after its TILT line does.
void TakeLeadingNumbers(const long double (&leading)[13], tIES& record, LuminaireFacts& facts) {
    const std::uint16_t verticalCount =
        RoundedLowWord(leading[3], LUMETRA_TR_NOOP("IesReader", "vertical angle count"));
    const std::uint16_t horizontalCount =
        RoundedLowWord(leading[4], LUMETRA_TR_NOOP("IesReader", "horizontal angle count"));
    const std::uint16_t unitsType =
        RoundedLowWord(leading[6], LUMETRA_TR_NOOP("IesReader", "units type"));
    const unsigned long grid = static_cast<unsigned long>(verticalCount) * horizontalCount;
    if (grid > kMaxCandelaValues)
        throw LumetraError(LUMETRA_MESSAGE("IesReader",
                                           "The file declares %1 x %2 candela values, more "
                                           "than the viewer supports (%3)")
                               .Arg(std::to_string(verticalCount))
                               .Arg(std::to_string(horizontalCount))
                               .Arg(std::to_string(kMaxCandelaValues)));

    record.LampLumens = leading[1];
    record.CandelaMultiplier = leading[2];
    record.VerticalCount = verticalCount;
    record.HorizontalCount = horizontalCount;
    record.UnitsType = unitsType;
    facts = FactsOf(leading);
}

// The angle lists and the candela planes, as many as the record's counts say.
void ReadAnglesAndCandela(NumericText& text, tIES& record, bool& parseError,
                          FirstValueFailure& failure) {
    ReadList(text, record.VerticalAngles, record.VerticalCount, parseError, failure);
    ReadList(text, record.HorizontalAngles, record.HorizontalCount, parseError, failure);
    record.Candela.resize(record.HorizontalCount);
    for (auto& plane : record.Candela)
        ReadList(text, plane, record.VerticalCount, parseError, failure);
}

// Reads the record from the numeric block; on return lines holds the numeric text as its one line.
bool ReadNumericBlock(NumericBlock block, TextLines& lines, tIES& record,
                      const TextLines& headerLines, const Notifier& notify, LuminaireFacts& facts) {
    const std::vector<std::size_t>& lineStarts = block.lineStarts;
    const std::size_t headerCount = headerLines.size();
    const std::size_t totalLines = headerCount + lineStarts.size();
    NumericText text(std::move(block.text));
    if (text.empty())
        throw LumetraError(LUMETRA_MESSAGE("IesReader", "List index out of bounds (0)"));

    bool parseError = false;
    LeadingNumberReader reader(text, parseError);
    if (!headerLines.empty() && IsTiltInclude(headerLines.back()))
        SkipTiltBlock(text, reader);

    long double leading[13];
    for (auto& value : leading)
        value = reader.Read();
    // The message comes once, right after the thirteenth number, whatever follows.
    if (reader.failed())
        NotifyLine(notify, MessageLine(reader, lineStarts, headerCount, totalLines));
    TakeLeadingNumbers(leading, record, facts);

    // Set by the leading numbers, the flag has had its message already.
    FirstValueFailure failure{parseError, false, 0};
    ReadAnglesAndCandela(text, record, parseError, failure);
    // A value that is not a number (values separated by tabs, say) leaves a luminaire that
    // looks dark, so it is said once as well; a file that merely ends early passes silently.
    if (!reader.failed() && failure.seen && !failure.ranOut)
        NotifyLine(notify, FileLineOf(failure.offset, lineStarts, headerCount));

    lines.clear();
    lines.push_back(std::move(text).release()); // moved: assign(1, ...) would copy it
    return parseError;
}

} // namespace

bool ReadIES(TextLines& lines, tIES& record, TextLines& headerLines, const Notifier& notify) {
    LuminaireFacts unused;
    return ReadIES(lines, record, headerLines, notify, unused);
}

bool ReadIES(TextLines& lines, tIES& record, TextLines& headerLines, const Notifier& notify,
             LuminaireFacts& facts) {
    NumericBlock block{SplitHeader(lines, headerLines), LineStarts(lines)};
    lines.clear();
    return ReadNumericBlock(std::move(block), lines, record, headerLines, notify, facts);
}

bool ReadIES(std::string_view fileText, TextLines& lines, tIES& record, TextLines& headerLines,
             const Notifier& notify, LuminaireFacts& facts) {
    lines.clear();
    return ReadNumericBlock(SplitFileText(fileText, headerLines), lines, record, headerLines,
                            notify, facts);
}

bool ReadIES(NumericBlock block, TextLines& lines, tIES& record, const TextLines& headerLines,
             const Notifier& notify, LuminaireFacts& facts) {
    lines.clear();
    return ReadNumericBlock(std::move(block), lines, record, headerLines, notify, facts);
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
