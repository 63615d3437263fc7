#pragma once
// How plausible a decoding of header bytes is for the script it yields. A short header gives a
// charset detector too little to go on, but a person sees at once that "ÎÎÎ ÌÀÐÒÈÍÈ" is no word
// and "ООО МАРТИНИ" is: words of one script and one letter case, signs beside digits, the common
// ideographs of a multi-byte encoding. Each non-ASCII character of the decoding counts for or
// against it by such rules, weighted by the bytes it takes.

#include <string>
#include <string_view>

namespace lumetra {

// The encodings a photometric file plausibly uses besides UTF-8, in the order that breaks ties:
// Western, Central European and Cyrillic Windows code pages, then Simplified Chinese,
// Traditional Chinese, Japanese and Korean, as iconv names them.
inline constexpr const char* kPlausibleEncodings[] = {
    "WINDOWS-1252", "WINDOWS-1250", "WINDOWS-1251", "GB18030", "BIG5", "SHIFT_JIS", "UHC"};

// From -1 (every non-ASCII character implausible) to 1 (every one plausible); 0 for bytes that
// hold no non-ASCII byte. utf8 is bytes decoded from encoding, each byte of a single-byte
// encoding and each character of a multi-byte one giving exactly one code point.
double DecodingPlausibility(std::string_view bytes, const std::string& encoding,
                            const std::string& utf8);

} // namespace lumetra
