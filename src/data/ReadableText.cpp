#include "ReadableText.h"

#include "TextEncoding.h"

#include <cstdint>
#include <iconv.h>
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
    if (converter == reinterpret_cast<iconv_t>(static_cast<std::intptr_t>(-1)))
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

// Bytes that are not UTF-8 in the chosen encoding, or as Latin-1 when that fails them.
std::string DecodeLegacy(std::string_view bytes, const std::string& encoding) {
    if (encoding != kLatin1)
        if (std::optional<std::string> text = ReadableDecode(bytes, encoding))
            return std::move(*text);
    return ToUtf8(bytes);
}

} // namespace

std::string ChooseLegacyEncoding(std::string_view bytes) {
    const std::string guess = DetectEncoding(bytes);
    if (IsLegacyEncodingName(guess) && ReadableDecode(bytes, guess))
        return guess;
    return kLatin1;
}

ReadableText DecodeReadableText(std::string_view bytes) {
    if (IsValidUtf8(bytes))
        return {std::string(bytes), kUtf8};
    std::string encoding = ChooseLegacyEncoding(bytes);
    return {DecodeLegacy(bytes, encoding), std::move(encoding)};
}

ReadableLines DecodeReadableLines(const TextLines& lines) {
    std::string undecided;
    for (const std::string& line : lines)
        if (!IsValidUtf8(line))
            undecided.append(line).push_back('\n');
    ReadableLines result;
    result.encoding = undecided.empty() ? kUtf8 : ChooseLegacyEncoding(undecided);
    result.lines.reserve(lines.size());
    for (const std::string& line : lines)
        result.lines.push_back(IsValidUtf8(line) ? line : DecodeLegacy(line, result.encoding));
    return result;
}

} // namespace lumetra
