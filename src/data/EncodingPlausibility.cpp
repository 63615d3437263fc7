#include "EncodingPlausibility.h"

#include "TextEncoding.h"

#include <algorithm>
#include <vector>

namespace lumetra {

namespace {

enum class Layout { SingleByte, Gb18030, DoubleByte, ShiftJis };

Layout LayoutOf(const std::string& encoding) {
    if (encoding == "GB18030" || encoding == "GBK")
        return Layout::Gb18030;
    if (encoding == "SHIFT_JIS" || encoding == "CP932")
        return Layout::ShiftJis;
    if (encoding == "BIG5" || encoding == "UHC" || encoding == "EUC-KR" || encoding == "CP949")
        return Layout::DoubleByte;
    return Layout::SingleByte;
}

// One character of the decoding with the bytes it came from.
struct Unit {
    char32_t point;
    unsigned char lead;
    unsigned char trail;
    std::size_t length;
};

std::size_t UnitLength(std::string_view bytes, std::size_t i, Layout layout) {
    const auto lead = static_cast<unsigned char>(bytes[i]);
    if (lead < 0x80 || layout == Layout::SingleByte)
        return 1;
    if (layout == Layout::ShiftJis && lead >= 0xA1 && lead <= 0xDF)
        return 1;
    const bool fourBytes = layout == Layout::Gb18030 && i + 1 < bytes.size() &&
                           bytes[i + 1] >= '0' && bytes[i + 1] <= '9';
    return fourBytes ? 4 : 2;
}

// The characters beside their bytes; empty when the two do not pair up.
std::vector<Unit> UnitsOf(std::string_view bytes, Layout layout, const std::u32string& points) {
    std::vector<Unit> units;
    std::size_t i = 0;
    for (const char32_t point : points) {
        if (i >= bytes.size())
            return {};
        const std::size_t length = std::min(UnitLength(bytes, i, layout), bytes.size() - i);
        const auto trail = static_cast<unsigned char>(length > 1 ? bytes[i + 1] : 0);
        units.push_back({point, static_cast<unsigned char>(bytes[i]), trail, length});
        i += length;
    }
    return i == bytes.size() ? units : std::vector<Unit>{};
}

bool IsEastAsianLetter(char32_t c) {
    return (c >= 0x3040 && c <= 0x30FF) || (c >= 0x4E00 && c <= 0x9FFF) ||
           (c >= 0xAC00 && c <= 0xD7A3);
}

bool IsEastAsianSign(char32_t c) {
    return (c >= 0x3000 && c <= 0x303F) || (c >= 0xFF01 && c <= 0xFF60) ||
           (c >= 0x2010 && c <= 0x203B) || c == 0x00D7 || c == 0x00B0;
}

bool IsHalfwidthKatakana(char32_t c) {
    return c >= 0xFF61 && c <= 0xFF9F;
}

// The ideographs, kana and syllables that texts use most sit in one block of lead bytes in each
// encoding: level 1 of GB 2312 and of JIS X 0208, Big5's frequent characters, KS X 1001 Hangul.
bool IsCommonCharacter(const std::string& encoding, const Unit& unit) {
    const unsigned lead = unit.lead;
    switch (LayoutOf(encoding)) {
    case Layout::Gb18030:
        return lead >= 0xB0 && lead <= 0xD7 && unit.trail >= 0xA1;
    case Layout::ShiftJis:
        return lead == 0x82 || lead == 0x83 || (lead >= 0x88 && lead <= 0x98);
    case Layout::DoubleByte:
        if (encoding == "BIG5")
            return lead >= 0xA4 && lead <= 0xC6;
        return lead >= 0xB0 && lead <= 0xC8 && unit.trail >= 0xA1;
    case Layout::SingleByte:
        break;
    }
    return false;
}

double MultiByteWeight(const std::string& encoding, const Unit& unit) {
    if (unit.length > 2)
        return -1; // four-byte GB18030: rare characters, or bytes of something else
    if (IsEastAsianLetter(unit.point))
        return IsCommonCharacter(encoding, unit) ? 1 : 0;
    return IsEastAsianSign(unit.point) ? 0 : -1;
}

// Halfwidth katakana are old Japanese text in runs beside full-width characters; a lone one is
// an accented capital read as Shift-JIS.
double HalfwidthWeight(const std::vector<Unit>& units, std::size_t i, bool holdsCommon) {
    const auto halfwidthAt = [&units](std::size_t k) {
        return k < units.size() && IsHalfwidthKatakana(units[k].point);
    };
    return holdsCommon && (halfwidthAt(i - 1) || halfwidthAt(i + 1)) ? 0.5 : 0;
}

bool IsCyrillic(char32_t c) {
    return c >= 0x400 && c <= 0x4FF;
}

bool IsLatinLetter(char32_t c) {
    return (c >= 0xC0 && c <= 0x24F && c != 0xD7 && c != 0xF7);
}

bool IsAsciiLetter(char32_t c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool IsLetter(char32_t c) {
    return IsAsciiLetter(c) || IsLatinLetter(c) || IsCyrillic(c) || c == 0xAA || c == 0xB5 ||
           c == 0xBA;
}

// Letter case of the alphabets that single-byte encodings hold.
bool IsUpper(char32_t c) {
    if (c < 0x80)
        return c >= 'A' && c <= 'Z';
    if (c >= 0xC0 && c <= 0xDE)
        return true;
    if (c >= 0x100 && c <= 0x17F) {
        const bool oddUpper = (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);
        return c == 0x178 || (oddUpper ? c % 2 == 1 : c % 2 == 0);
    }
    if (c >= 0x400 && c <= 0x42F)
        return true;
    return c >= 0x460 && c <= 0x4FF && c % 2 == 0;
}

struct Word {
    std::size_t begin = 0;
    std::size_t length = 0;
    std::size_t longestNonAsciiRun = 0;
    bool ascii = false;    // holds an ASCII letter
    bool cyrillic = false; // holds a Cyrillic letter
    bool latin = false;    // holds a non-ASCII Latin letter
    bool oneCase = true;   // no lower-case letter followed by an upper-case one
};

Word WordAround(const std::u32string& points, std::size_t at) {
    std::size_t begin = at;
    while (begin > 0 && IsLetter(points[begin - 1]))
        --begin;
    Word word;
    word.begin = begin;
    std::size_t run = 0;
    for (std::size_t i = begin; i < points.size() && IsLetter(points[i]); ++i) {
        const char32_t c = points[i];
        ++word.length;
        run = c < 0x80 ? 0 : run + 1;
        word.longestNonAsciiRun = std::max(word.longestNonAsciiRun, run);
        word.ascii |= IsAsciiLetter(c);
        word.cyrillic |= IsCyrillic(c);
        word.latin |= IsLatinLetter(c);
        if (i > begin && IsUpper(c) && !IsUpper(points[i - 1]))
            word.oneCase = false;
    }
    return word;
}

// Russian, Ukrainian and Belarusian vowels, both cases.
bool IsCyrillicVowel(char32_t c) {
    static constexpr char32_t kVowels[] = U"аеёиоуыэюяієїўАЕЁИОУЫЭЮЯІЄЇЎ";
    return std::find(std::begin(kVowels), std::end(kVowels) - 1, c) != std::end(kVowels) - 1;
}

// A Cyrillic word has a vowel unless it is a short abbreviation ("Вт", "КСС").
bool IsPlausibleCyrillicWord(const std::u32string& points, const Word& word) {
    const auto begin = points.begin() + static_cast<std::ptrdiff_t>(word.begin);
    if (std::any_of(begin, begin + static_cast<std::ptrdiff_t>(word.length), IsCyrillicVowel))
        return true;
    return word.length <= 4 && IsUpper(*begin);
}

double LetterWeight(const std::u32string& points, std::size_t at) {
    const char32_t c = points[at];
    const Word word = WordAround(points, at);
    if (!word.oneCase || (word.cyrillic && (word.ascii || word.latin)))
        return -1;
    if (IsCyrillic(c)) {
        if (!IsPlausibleCyrillicWord(points, word))
            return -1;
        return word.length >= 2 || !IsUpper(c) ? 1 : 0;
    }
    if (!IsLatinLetter(c))
        return 0;
    if (word.ascii)
        return word.longestNonAsciiRun <= 2 ? 1 : -1;
    return word.length == 1 && !IsUpper(c) ? 1 : -1;
}

// Signs that real headers hold beside numbers and words: degrees, powers, quotes, dashes, ...
bool IsCommonSign(char32_t c) {
    static constexpr char32_t kSigns[] = {0xA0,   0xA1,   0xA3,   0xA5,   0xA7,   0xA9,   0xAB,
                                          0xAE,   0xB0,   0xB1,   0xB2,   0xB3,   0xB7,   0xB9,
                                          0xBB,   0xBC,   0xBD,   0xBE,   0xBF,   0xD7,   0xF7,
                                          0x2013, 0x2014, 0x2018, 0x2019, 0x201A, 0x201C, 0x201D,
                                          0x201E, 0x2022, 0x2026, 0x20AC, 0x2116, 0x2122};
    return std::find(std::begin(kSigns), std::end(kSigns), c) != std::end(kSigns);
}

double SignWeight(const std::u32string& points, std::size_t at) {
    if (!IsCommonSign(points[at]))
        return -1;
    const auto nonAsciiLetterAt = [&points](std::size_t k) {
        return k < points.size() && points[k] >= 0x80 && IsLetter(points[k]);
    };
    const bool squeezed = nonAsciiLetterAt(at - 1) && nonAsciiLetterAt(at + 1);
    return squeezed && points[at] != 0x2019 && points[at] != 0xB7 ? -1 : 1;
}

double SingleByteWeight(const std::u32string& points, std::size_t at) {
    return IsLetter(points[at]) ? LetterWeight(points, at) : SignWeight(points, at);
}

} // namespace

double DecodingPlausibility(std::string_view bytes, const std::string& encoding,
                            const std::string& utf8) {
    const std::u32string points = CodePoints(utf8);
    const Layout layout = LayoutOf(encoding);
    const std::vector<Unit> units = UnitsOf(bytes, layout, points);
    if (units.empty())
        return bytes.empty() ? 0 : -1;
    const bool holdsCommon = std::any_of(units.begin(), units.end(), [&encoding](const Unit& u) {
        return u.length == 2 && IsCommonCharacter(encoding, u);
    });
    double sum = 0;
    std::size_t weighed = 0;
    for (std::size_t i = 0; i < units.size(); ++i) {
        if (units[i].lead < 0x80)
            continue;
        double weight = 0;
        if (units[i].length > 1)
            weight = MultiByteWeight(encoding, units[i]);
        else if (IsHalfwidthKatakana(units[i].point))
            weight = HalfwidthWeight(units, i, holdsCommon);
        else
            weight = SingleByteWeight(points, i);
        sum += weight * static_cast<double>(units[i].length);
        weighed += units[i].length;
    }
    return weighed == 0 ? 0 : sum / static_cast<double>(weighed);
}

} // namespace lumetra
