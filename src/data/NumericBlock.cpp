#include "NumericBlock.h"

#include "IesReader.h"

#include <bit>
#include <cstdint>
#include <cstring>
#include <limits>

namespace lumetra {

namespace {

// The header is a few short lines, walked byte by byte; so is a file without a TILT line.
class HeaderWalk {
  public:
    explicit HeaderWalk(std::string_view text) : text_(text) {}

    // Moves to the next line; false once the text or its NUL is reached.
    bool Next() {
        if (next_ >= text_.size() || text_[next_] == '\0')
            return false;
        std::size_t end = next_;
        while (end < text_.size() && text_[end] != '\n' && text_[end] != '\r' && text_[end] != '\0')
            ++end;
        line_ = text_.substr(next_, end - next_);
        const bool crLf = end + 1 < text_.size() && text_[end] == '\r' && text_[end + 1] == '\n';
        next_ = end < text_.size() && text_[end] != '\0' ? end + (crLf ? 2 : 1) : end;
        return true;
    }
    std::string_view line() const { return line_; }
    // Where the line after line() starts.
    std::size_t next() const { return next_; }

  private:
    std::string_view text_;
    std::size_t next_ = 0;
    std::string_view line_;
};

constexpr std::uint64_t kOnes = 0x0101010101010101;
constexpr std::uint64_t kHighBits = 0x8080808080808080;

// Marks the bytes of word below 14 (NUL, line breaks and other control bytes) and commas, the
// only bytes that are not simply copied. The lowest mark is always exact (the usual test for a
// zero byte errs only above a true one), so it tells how many bytes can be copied as they are.
std::uint64_t CareBytes(std::uint64_t word) {
    const std::uint64_t commas = word ^ (kOnes * ',');
    return (((word - kOnes * 14) & ~word) | ((commas - kOnes) & ~commas)) & kHighBits;
}

// Where the block's text is written: its start, the next byte and the end of its room. Plain
// pointers, so that writing a byte does not make the compiler reload them.
struct Output {
    char* base;
    char* next;
    char* limit;
};

// Lines of more than eight bytes never need more room than the first; shorter ones double it.
Output MakeRoom(std::string& text, const Output& out) {
    const auto used = static_cast<std::size_t>(out.next - out.base);
    text.resize(text.empty() ? 64 : 2 * text.size());
    return {text.data(), text.data() + used, text.data() + text.size()};
}

// Copies the bytes at p that need no care, eight at a time while eight remain and the room
// before limit keeps sixteen bytes free; returns where it stopped: at the first byte that needs
// care, among the last few bytes, or where more room is needed (a byte that is simply copied).
[[gnu::always_inline]] inline const char* CopyPlainBytes(const char* p, const char* end, char*& out,
                                                         const char* limit) {
    if constexpr (std::endian::native == std::endian::little) {
        while (end - p >= 8 && limit - out >= 16) {
            std::uint64_t word = 0;
            std::memcpy(&word, p, sizeof word);
            std::memcpy(out, &word, sizeof word); // the bytes after a care byte are written over
            const std::uint64_t care = CareBytes(word);
            const int plain = care == 0 ? 8 : std::countr_zero(care) / 8;
            p += plain;
            out += plain;
            if (plain < 8)
                break;
        }
    }
    return p;
}

// Writes the numeric lines into the block: line breaks as two spaces each, commas as spaces.
// Gives nothing once a line beyond maxLines would start.
std::optional<NumericBlock> WriteNumericBlock(std::string_view rest, std::size_t maxLines) {
    NumericBlock block;
    block.text.resize(rest.size() + rest.size() / 8 + 16);
    Output out{block.text.data(), block.text.data(), block.text.data() + block.text.size()};
    const char* p = rest.data();
    const char* const end = p + rest.size();
    bool lineOpen = false;
    while (p != end && (lineOpen || *p != '\0')) {
        if (!lineOpen && block.lineStarts.size() == maxLines)
            return std::nullopt;
        if (!lineOpen)
            block.lineStarts.push_back(static_cast<std::size_t>(out.next - out.base));
        lineOpen = true;
        if (out.limit - out.next < 16)
            out = MakeRoom(block.text, out);
        p = CopyPlainBytes(p, end, out.next, out.limit);
        if (p == end || *p == '\0')
            break;
        const char c = *p++;
        if (c == '\n' || c == '\r') {
            p += c == '\r' && p != end && *p == '\n' ? 1 : 0;
            *out.next++ = ' ';
            *out.next++ = ' ';
            lineOpen = false;
        } else {
            *out.next++ = c == ',' ? ' ' : c;
        }
    }
    block.text.resize(static_cast<std::size_t>(out.next - out.base));
    if (lineOpen) // a last line without a break gains its two spaces all the same
        block.text += "  ";
    return block;
}

} // namespace

std::optional<NumericBlock> SplitFileText(std::string_view fileText, TextLines& headerLines,
                                          std::size_t maxLines) {
    HeaderWalk lines(fileText);
    std::size_t tiltLines = 0;
    bool tiltFound = false;
    while (!tiltFound && tiltLines <= maxLines && lines.Next()) {
        ++tiltLines;
        tiltFound = IsTiltLine(lines.line());
    }
    if (tiltLines > maxLines)
        return std::nullopt;
    tiltLines = tiltFound ? tiltLines : 0;
    std::optional<NumericBlock> block =
        WriteNumericBlock(fileText.substr(tiltFound ? lines.next() : 0), maxLines - tiltLines);
    if (!block)
        return block;
    headerLines.clear();
    HeaderWalk header(fileText);
    for (std::size_t i = 0; i < tiltLines && header.Next(); ++i)
        headerLines.emplace_back(header.line());
    return block;
}

NumericBlock SplitFileText(std::string_view fileText, TextLines& headerLines) {
    return *SplitFileText(fileText, headerLines, std::numeric_limits<std::size_t>::max());
}

} // namespace lumetra
