#include "ReadableText.h"

#include "EncodingPlausibility.h"
#include "TextEncoding.h"

#include <algorithm>
#include <cstdint>
#include <iconv.h>
#include <initializer_list>
#include <memory>
#include <optional>
#include <type_traits>
#include <uchardet/uchardet.h>

namespace lumetra {

namespace {

constexpr const char* kUtf8 = "UTF-8";
constexpr const char* kLatin1 = "ISO-8859-1";

// The detector's guess, empty when it has none.
std::string DetectEncoding(std::string_view bytes) {
    const std::unique_ptr<std::remove_pointer_t<uchardet_t>, void (*)(uchardet_t)> detector(
        uchardet_new(), uchardet_delete);
    if (!detector || uchardet_handle_data(detector.get(), bytes.data(), bytes.size()) != 0)
        return {};
    uchardet_data_end(detector.get());
    const char* name = uchardet_get_charset(detector.get());
    return name ? std::string(name) : std::string();
}

// Bytes that are not valid UTF-8 are neither UTF-8 nor ASCII, and a header holds no NUL, so
// they are no UTF-16 or UTF-32 either: a guess of a Unicode form is no guess.
bool IsLegacyEncodingName(const std::string& name) {
    return !name.empty() && name != "ASCII" && name.rfind("UTF-", 0) != 0 &&
           name.rfind("X-ISO-10646", 0) != 0;
}

// The bytes converted by iconv, or nothing when any byte does not convert.
std::optional<std::string> StrictDecode(std::string_view bytes, const std::string& encoding) {
    const iconv_t converter = iconv_open(kUtf8, encoding.c_str());
    // iconv_open reports failure as (iconv_t)-1; comparing the handle's integer value avoids
    // forming a pointer from an integer.
    if (reinterpret_cast<std::intptr_t>(converter) == -1)
        return std::nullopt;
    const std::unique_ptr<void, int (*)(iconv_t)> closer(converter, iconv_close);
    std::string input(bytes);
    // Four UTF-8 bytes per input byte cover every character of a legacy encoding.
    std::string output(input.size() * 4 + 4, '\0');
    char* in = input.data();
    std::size_t inLeft = input.size();
    char* out = output.data();
    std::size_t outLeft = output.size();
    if (iconv(converter, &in, &inLeft, &out, &outLeft) == static_cast<std::size_t>(-1) ||
        inLeft != 0 ||
        iconv(converter, nullptr, nullptr, &out, &outLeft) == static_cast<std::size_t>(-1))
        return std::nullopt;
    output.resize(output.size() - outLeft);
    return output;
}

// U+0080..U+009F: what bytes of one encoding turn into when read as another.
bool HoldsC1Control(const std::string& utf8) {
    for (std::size_t i = 0; i + 1 < utf8.size(); ++i)
        if (static_cast<unsigned char>(utf8[i]) == 0xC2 &&
            static_cast<unsigned char>(utf8[i + 1]) < 0xA0)
            return true;
    return false;
}

std::optional<std::string> ReadableDecode(std::string_view bytes, const std::string& encoding) {
    std::optional<std::string> text = StrictDecode(bytes, encoding);
    if (!text || !IsValidUtf8(*text) || HoldsC1Control(*text))
        return std::nullopt;
    return text;
}

// Letters of the alphabets that single-byte encodings hold, ª µ º included; the punctuation,
// currency and letterlike signs of U+2000..U+214F are none.
bool IsNonAsciiLetter(char32_t c) {
    return (c >= 0xC0 && c != 0xD7 && c != 0xF7 && (c < 0x2000 || c > 0x214F)) || c == 0xAA ||
           c == 0xB5 || c == 0xBA;
}

// Signs of Latin-1's upper half ("°", "²", "±", ...). The middle dot and guillemets are left out:
// they do stand between letters in real text ("кВт·ч", "ООО«Свет»").
bool IsLatin1Sign(char32_t c) {
    return c >= 0xA0 && c <= 0xBF && !IsNonAsciiLetter(c) && c != 0xAB && c != 0xB7 && c != 0xBB;
}

// A single-byte reading of East Asian bytes shows C1 controls, or signs squeezed between
// letters ("Ó°Ä"), which no word in a European alphabet holds.
bool LooksGarbled(const std::string& utf8) {
    if (HoldsC1Control(utf8))
        return true;
    const std::u32string points = CodePoints(utf8);
    for (std::size_t i = 1; i + 1 < points.size(); ++i)
        if (IsLatin1Sign(points[i]) && IsNonAsciiLetter(points[i - 1]) &&
            IsNonAsciiLetter(points[i + 1]))
            return true;
    return false;
}

// Kana (halfwidth too), CJK punctuation, ideographs, Hangul and fullwidth forms.
bool IsEastAsianCharacter(char32_t c) {
    return (c >= 0x3000 && c <= 0x30FF) || (c >= 0x4E00 && c <= 0x9FFF) ||
           (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xFF01 && c <= 0xFFEF);
}

bool IsHalfwidthKatakana(char32_t c) {
    return c >= 0xFF61 && c <= 0xFF9F;
}

// Only East Asian characters, at least one of them of two bytes, and halfwidth katakana in runs
// only: single bytes of accented capitals ("Ä", "Í", "С") read as lone halfwidth katakana.
bool ReadsAsEastAsian(const std::string& utf8) {
    const std::u32string points = CodePoints(utf8);
    const auto halfwidthAt = [&points](std::size_t i) {
        return i < points.size() && IsHalfwidthKatakana(points[i]);
    };
    bool doubleByte = false;
    for (std::size_t i = 0; i < points.size(); ++i) {
        if (points[i] < 0x80)
            continue;
        if (!IsEastAsianCharacter(points[i]))
            return false;
        if (!halfwidthAt(i))
            doubleByte = true;
        else if (!halfwidthAt(i - 1) && !halfwidthAt(i + 1))
            return false;
    }
    return doubleByte;
}

// A few East Asian characters give the detector too little to tell them from a European
// single-byte encoding. These encodings are tried instead when that reading looks garbled,
// Japanese first as its halfwidth katakana and wave dash are what such short headers hold.
std::optional<std::string> ChooseEastAsianEncoding(std::string_view bytes) {
    for (const char* encoding : {"SHIFT_JIS", "CP932", "GB18030", "BIG5", "UHC"})
        if (std::optional<std::string> text = ReadableDecode(bytes, encoding))
            if (ReadsAsEastAsian(*text))
                return encoding;
    return std::nullopt;
}

// Bytes that are not UTF-8 in the chosen encoding, or as Latin-1 when that fails them.
std::string DecodeLegacy(std::string_view bytes, const std::string& encoding) {
    if (encoding != kLatin1)
        if (std::optional<std::string> text = ReadableDecode(bytes, encoding))
            return std::move(*text);
    return ToUtf8(bytes);
}

// The detector's way, kept for the texts it tells well.
std::string DetectorChoice(std::string_view bytes) {
    std::string guess = DetectEncoding(bytes);
    const std::optional<std::string> text =
        IsLegacyEncodingName(guess) ? ReadableDecode(bytes, guess) : std::nullopt;
    // A multi-byte guess already read characters of two or more bytes: the detector had enough.
    if (text && CodePoints(*text).size() != bytes.size())
        return guess;
    // A sound single-byte reading stays, so Cyrillic or Central European text that happens to
    // decode into ideographs as well keeps the detector's answer.
    std::string single = text ? guess : kLatin1;
    if (!LooksGarbled(text ? *text : ToUtf8(bytes)))
        return single;
    return ChooseEastAsianEncoding(bytes).value_or(single);
}

// How plausible the bytes read in the encoding are; Latin-1 always reads, as the fallback does.
double PlausibilityIn(std::string_view bytes, const std::string& encoding) {
    if (encoding == kLatin1)
        return DecodingPlausibility(bytes, encoding, ToUtf8(bytes));
    const std::optional<std::string> text = ReadableDecode(bytes, encoding);
    return text ? DecodingPlausibility(bytes, encoding, *text) : -2;
}

// Past this, the detector has text enough, and judging costs time for nothing.
constexpr std::size_t kJudgedBytes = 16 * 1024;

// How much more plausible another encoding must be to overrule the detector's way: enough that
// ties and a character or two of doubt keep its answer.
constexpr double kOverrule = 0.25;

} // namespace

std::string ChooseLegacyEncoding(std::string_view bytes) {
    std::string choice = DetectorChoice(bytes);
    const std::string_view judged = bytes.substr(0, kJudgedBytes);
    // A guess outside the encodings photometric files use (KOI8-R, ISO-8859-6, ...) gives way to
    // one of them that reads as well.
    bool tieWins = choice != kLatin1 &&
                   std::find(std::begin(kPlausibleEncodings), std::end(kPlausibleEncodings),
                             choice) == std::end(kPlausibleEncodings);
    double best = PlausibilityIn(judged, choice) + (tieWins ? 0 : kOverrule);
    for (const char* encoding : kPlausibleEncodings) {
        const double plausibility = PlausibilityIn(judged, encoding);
        if (plausibility > 0 && (plausibility > best || (tieWins && plausibility == best))) {
            tieWins = false;
            best = plausibility;
            choice = encoding;
        }
    }
    return choice;
}

ReadableText DecodeReadableText(std::string_view bytes) {
    if (IsValidUtf8(bytes))
        return {std::string(bytes), kUtf8};
    std::string encoding = ChooseLegacyEncoding(bytes);
    return {DecodeLegacy(bytes, encoding), std::move(encoding)};
}

ReadableLines DecodeReadableLines(const TextLines& lines) {
    return DecodeReadableLines(lines, {});
}

ReadableLines DecodeReadableLines(const TextLines& lines, const std::string& encoding) {
    std::string undecided;
    for (const std::string& line : lines)
        if (!IsValidUtf8(line))
            undecided.append(line).push_back('\n');
    ReadableLines result;
    result.encoding = undecided.empty()  ? kUtf8
                      : encoding.empty() ? ChooseLegacyEncoding(undecided)
                                         : encoding;
    result.lines.reserve(lines.size());
    for (const std::string& line : lines)
        result.lines.push_back(IsValidUtf8(line) ? line : DecodeLegacy(line, result.encoding));
    return result;
}

} // namespace lumetra

namespace lumetra {

std::string KnownEncodingName(const std::string& name) {
    std::string upper;
    for (const char c : name)
        upper += static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
    if (upper.empty())
        return {};
    for (const EncodingChoice& choice : kEncodingChoices)
        if (upper == choice.name)
            return choice.name;
    const iconv_t converter = iconv_open(kUtf8, upper.c_str());
    if (reinterpret_cast<std::intptr_t>(converter) == -1)
        return {};
    iconv_close(converter);
    return upper;
}

} // namespace lumetra
