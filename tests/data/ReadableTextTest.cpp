// Header text in encodings other than UTF-8, with real bytes of each encoding.

#include "data/ReadableText.h"

#include "data/EncodingPlausibility.h"
#include "data/Loading.h"
#include "support/Samples.h"

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
        LoadPhotometry(test::SamplePath(sample), record, fileLines, header, nullptr);
        const ReadableLines decoded = DecodeReadableLines(header);
        EXPECT_EQ(decoded.encoding, "SHIFT_JIS") << sample;
        ASSERT_GT(decoded.lines.size(), 4u) << sample;
        EXPECT_EQ(decoded.lines[4], line);
    }
}

// The bytes behind the mojibake that people reported: "ÎÎÎ ÌÀÐÒÈÍÈ ÐÓÑ" is Windows-1251 read as
// Latin-1, "8´ç" GBK read as Windows-1252. Too short for the detector alone.
TEST(ReadableText, ShortHeadersReadInTheirScriptsMostPlausibleEncoding) {
    struct Row {
        std::string bytes;
        std::string text;
        std::string encoding;
    };
    const std::vector<Row> rows{
        {"[MANUFAC] \xCE\xCE\xCE \xCC\xC0\xD0\xD2\xC8\xCD\xC8 \xD0\xD3\xD1",
         "[MANUFAC] ООО МАРТИНИ РУС", "WINDOWS-1251"},
        {"[LUMINAIRE] LED 8\xB4\xE7 NC CDL", "[LUMINAIRE] LED 8寸 NC CDL", "GB18030"},
        {"[LUMCAT] \xB5\xC6\xBE\xDF 12W", "[LUMCAT] 灯具 12W", "GB18030"},
        {"[LUMINAIRE] \xB9\xA4\xBF\xF3\xB5\xC6", "[LUMINAIRE] 工矿灯", "GB18030"},
        {"[TEST] 120\xB0 \xB1 5\xB0", "[TEST] 120° ± 5°", "WINDOWS-1252"},
        {"[LUMINAIRE] \x8F\xC6\x96\xBE\x8A\xED\x8B\xEF", "[LUMINAIRE] 照明器具", "SHIFT_JIS"},
    };
    for (const Row& row : rows) {
        const ReadableText decoded = DecodeReadableText(row.bytes);
        EXPECT_EQ(decoded.text, row.text) << row.encoding;
        EXPECT_EQ(decoded.encoding, row.encoding) << row.text;
    }
}

TEST(ReadableText, PlausibilityFavoursWordsOfOneScriptAndCase) {
    const std::string cyrillic = "\xCC\xEE\xE4\xF3\xEB\xFC"; // "Модуль"
    EXPECT_GT(DecodingPlausibility(cyrillic, "WINDOWS-1251", "Модуль"), 0.9);
    EXPECT_LT(DecodingPlausibility(cyrillic, "WINDOWS-1252", "Ìîäóëü"), 0);
    EXPECT_LT(DecodingPlausibility("M\xFCller", "WINDOWS-1251", "Mьller"), 0);
    EXPECT_GT(DecodingPlausibility("M\xFCller", "WINDOWS-1252", "Müller"), 0.9);
    EXPECT_EQ(DecodingPlausibility("plain", "WINDOWS-1252", "plain"), 0);
}

TEST(ReadableText, AChosenEncodingOverridesTheGuessForLinesThatAreNotUtf8) {
    const TextLines lines{"[TEST] 90\xC2\xB0", "[LAMP] \xCB\xE0\xEC\xEF\xE0"};
    const ReadableLines latin = DecodeReadableLines(lines, "WINDOWS-1252");
    EXPECT_EQ(latin.encoding, "WINDOWS-1252");
    EXPECT_EQ(latin.lines, (TextLines{"[TEST] 90°", "[LAMP] Ëàìïà"}));
    EXPECT_EQ(DecodeReadableLines(lines, "").lines[1], "[LAMP] Лампа");
    // Bytes that do not convert in the chosen encoding are read as Latin-1.
    EXPECT_EQ(DecodeReadableLines({"\x81\x20"}, "SHIFT_JIS").lines[0], "\xC2\x81 ");
}

TEST(ReadableText, EncodingNamesAsPeopleTypeThem) {
    for (const auto& [typed, known] :
         {std::pair{"windows-1251", "WINDOWS-1251"}, std::pair{"gb18030", "GB18030"},
          std::pair{"cp1252", "CP1252"}, std::pair{"utf-8", "UTF-8"}, std::pair{"klingon", ""},
          std::pair{"", ""}})
        EXPECT_EQ(KnownEncodingName(typed), known) << typed;
    for (const EncodingChoice& choice : kEncodingChoices)
        EXPECT_EQ(KnownEncodingName(choice.name), choice.name);
}

} // namespace
} // namespace lumetra
