// Header text in encodings other than UTF-8, with real bytes of each encoding.

#include "data/ReadableText.h"

#include "data/Loading.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace lumetra {
namespace {

const std::string kCyrillic = "[LUMINAIRE] \xD1\xE2\xE5\xF2\xE8\xEB\xFC\xED\xE8\xEA"; // 1251
const std::string kJapanese = "[MORE] \x83_\x83"
                              "E\x83\x93\x83\x89\x83"
                              "C\x83g"; // Shift-JIS

TEST(ReadableText, DecodesWhatTheDetectorCanTellAndReadsTheRestAsLatin1) {
    struct Row {
        std::string bytes;
        std::string text;
        std::string encoding;
    };
    const std::vector<Row> rows{
        {kCyrillic, "[LUMINAIRE] Светильник", "WINDOWS-1251"},
        {"[MANUFAC] "
         "\xC5\xB7\xC6\xD5\xD5\xD5\xC3\xF7\xB9\xC9\xB7\xDD\xD3\xD0\xCF\xDE\xB9\xAB\xCB\xBE",
         "[MANUFAC] 欧普照明股份有限公司", "GB18030"},
        {kJapanese, "[MORE] ダウンライト", "SHIFT_JIS"},
        // Too short: the detector answers UTF-8 for these GBK bytes, and "Í²µÆ" is no word.
        {"[LUMINAIRE] \xCD\xB2\xB5\xC6", "[LUMINAIRE] 筒灯", "GB18030"},
        // Shift-JIS would read lone halfwidth katakana among ideographs: "ﾃ豌蠏ﾆ".
        {"[LUMINAIRE] \xC3\xE6\xB0\xE5\xB5\xC6", "[LUMINAIRE] 面板灯", "GB18030"},
        // Strictly GBK, Big5 and UHC ideographs too, but the Cyrillic reading is sound.
        {"[LUMINAIRE] \xCC\xEE\xE4\xF3\xEB\xFC \xCA\xEE\xF0\xEF\xF3\xF1",
         "[LUMINAIRE] Модуль Корпус", "WINDOWS-1251"},
        {"[LUMINAIRE] Sv\xEDtidlo L\xE1mpatest", "[LUMINAIRE] Svítidlo Lámpatest", "WINDOWS-1250"},
        // Garbled as Latin-1, but Shift-JIS reads only halfwidth katakana: no double byte.
        {"[TEST] \xC4\xB0\xC4", "[TEST] Ä°Ä", "ISO-8859-1"},
        // The detector's ISO-8859-3 reads 0x81 as a C1 control character.
        {"M\xFCller \x81", "Müller \xC2\x81", "ISO-8859-1"},
    };
    for (const Row& row : rows) {
        const ReadableText decoded = DecodeReadableText(row.bytes);
        EXPECT_EQ(decoded.text, row.text);
        EXPECT_EQ(decoded.encoding, row.encoding) << row.text;
    }
}

TEST(ReadableText, LinesInUtf8StayAndTheOthersShareOneEncoding) {
    const ReadableLines decoded =
        DecodeReadableLines({"[TEST] 90\xC2\xB0", kCyrillic, "[LAMP] \xCB\xE0\xEC\xEF\xE0"});
    EXPECT_EQ(decoded.encoding, "WINDOWS-1251");
    EXPECT_EQ(decoded.lines,
              (TextLines{"[TEST] 90\xC2\xB0", "[LUMINAIRE] Светильник", "[LAMP] Лампа"}));
    EXPECT_EQ(DecodeReadableLines({"[TEST] 1", "[LAMP] \xC2\xB0"}).encoding, "UTF-8");
}

// Only a few Japanese characters each, which the detector alone reads as Central European or
// not at all.
TEST(ReadableText, ShortShiftJisSamplesDecodeAsJapanese) {
    for (const auto& [sample, line] :
         {std::pair{"lm1995_shift_jis_181_per_line.ies", "[LUMCAT] EL-D3524W/2W AHTZ LED3640lm "
                                                         "W(定格ﾓｰﾄﾞ)"},
          std::pair{"lm1991_sjis_axial.ies", "[LAMP] LED 26W 5700K〜2700K ()"}}) {
        tIES record;
        TextLines fileLines;
        TextLines header;
        LoadPhotometry(std::string(LUMETRA_SAMPLES_DIR) + "/" + sample, record, fileLines, header,
                       nullptr);
        const ReadableLines decoded = DecodeReadableLines(header);
        EXPECT_EQ(decoded.encoding, "SHIFT_JIS") << sample;
        ASSERT_GT(decoded.lines.size(), 4u) << sample;
        EXPECT_EQ(decoded.lines[4], line);
    }
}

} // namespace
} // namespace lumetra
