#include "TextLines.h"

#include <bit>
#include <cstdint>
#include <cstring>

namespace lumetra {

namespace {

// Offset of the first CR or LF at or after from, or npos. A plain loop: the library's
// find_first_of searches its set once per character of the text.
std::size_t FindLineBreak(std::string_view text, std::size_t from) {
    for (; from < text.size(); ++from)
        if (text[from] == '\r' || text[from] == '\n')
            return from;
    return std::string_view::npos;
}

// The high bit of every byte of word equal to c, exactly (no borrow crosses bytes).
std::uint64_t BytesEqualTo(std::uint64_t word, char c) {
    constexpr std::uint64_t kLow7 = 0x7F7F7F7F7F7F7F7F;
    const std::uint64_t x = word ^ (0x0101010101010101 * static_cast<unsigned char>(c));
    return ~(((x & kLow7) + kLow7) | x | kLow7);
}

} // namespace

TextLines SplitIntoLines(std::string_view text) {
    const auto nul = text.find('\0');
    if (nul != std::string_view::npos)
        text = text.substr(0, nul);
    TextLines lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const auto end = FindLineBreak(text, start);
        if (end == std::string_view::npos) {
            lines.emplace_back(text.substr(start));
            break;
        }
        lines.emplace_back(text.substr(start, end - start));
        start = end + 1;
        if (text[end] == '\r' && start < text.size() && text[start] == '\n')
            ++start;
    }
    return lines;
}

std::string JoinLinesCrLf(const TextLines& lines) {
    std::size_t size = 0;
    for (const auto& line : lines)
        size += line.size() + 2;
    std::string joined;
    joined.reserve(size);
    for (const auto& line : lines) {
        joined += line;
        joined += "\r\n";
    }
    return joined;
}

// The sum of the eight bytes of word.
std::size_t SumOfBytes(std::uint64_t word) {
    constexpr std::uint64_t kLowBytes = 0x00FF00FF00FF00FF;
    const std::uint64_t pairs = (word & kLowBytes) + ((word >> 8) & kLowBytes);
    return static_cast<std::size_t>((pairs * 0x0001000100010001) >> 48);
}

// Eight bytes at a time: a CR is a break of its own unless the next byte, in the same word or the
// first of the next, is an LF. Each byte of counts adds up to two breaks a word, so it is emptied
// every 127 words, before it could overflow (x86-64 has no population count by default).
std::size_t CountLineBreaks(std::string_view text) {
    std::size_t breaks = 0;
    std::size_t crLfAcross = 0; // CR LF split between two words, each CR counted as lone
    std::size_t i = 0;
    bool crBefore = false; // the byte before i is a CR
    if constexpr (std::endian::native == std::endian::little) {
        std::uint64_t counts = 0;
        for (int words = 0; i + 8 <= text.size(); i += 8) {
            std::uint64_t word = 0;
            std::memcpy(&word, text.data() + i, sizeof word);
            const std::uint64_t lf = BytesEqualTo(word, '\n');
            const std::uint64_t cr = BytesEqualTo(word, '\r');
            crLfAcross += crBefore && (lf & 0x80) != 0 ? 1 : 0;
            counts += (lf >> 7) + ((cr & ~(lf >> 8)) >> 7);
            crBefore = (cr >> 63) != 0;
            if (++words == 127) {
                breaks += SumOfBytes(counts);
                counts = 0;
                words = 0;
            }
        }
        breaks += SumOfBytes(counts);
    }
    for (; i < text.size(); ++i) {
        const bool lf = text[i] == '\n';
        breaks += (lf && crBefore) ? 0 : (lf || text[i] == '\r') ? 1 : 0;
        crBefore = text[i] == '\r';
    }
    return breaks - crLfAcross;
}

// A vector search between occurrences: line breaks are dozens of bytes apart, where a plain loop
// costs several instructions per byte.
std::size_t CountByte(std::string_view text, char c) {
    std::size_t count = 0;
    for (auto at = text.find(c); at != std::string_view::npos; at = text.find(c, at + 1))
        ++count;
    return count;
}

} // namespace lumetra
