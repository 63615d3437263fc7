// Header text in encodings other than UTF-8, with real bytes of each encoding.

#include "data/ReadableText.h"

#include "data/Loading.h"
#include "data/TextEncoding.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace lumetra {
namespace {

// "[LUMINAIRE] Светильник" in Windows-1251.
const std::string kCyrillic = "[LUMINAIRE] \xD1\xE2\xE5\xF2\xE8\xEB\xFC\xED\xE8\xEA";
// "[MANUFAC] 欧普照明股份有限公司" in GBK.
const std::string kChinese = "[MANUFAC] \xC5\xB7\xC6\xD5\xD5\xD5\xC3\xF7\xB9\xC9\xB7\xDD\xD3\xD0"
                             "\xCF\xDE\xB9\xAB\xCB\xBE";
// "[MORE] ダウンライト" in Shift-JIS.
const std::string kJapanese = "[MORE] \x83_\x83"
                              "E\x83\x93\x83\x89\x83"
                              "C\x83g";

TEST(ReadableText, DecodesEachEncodingTheDetectorCanTellAndReadsTheRestAsLatin1) {
    struct Row {
        const char* what;
        std::string bytes;
        std::string text;
        std::string encoding;
    };
    const std::vector<Row> rows{
        {"ASCII", "[TEST] 12345", "[TEST] 12345", "UTF-8"},
        {"UTF-8", "90\xC2\xB0 beam", "90\xC2\xB0 beam", "UTF-8"},
        {"Windows-1251", kCyrillic, "[LUMINAIRE] Светильник", "WINDOWS-1251"},
        {"GBK", kChinese, "[MANUFAC] 欧普照明股份有限公司", "GB18030"},
        {"Shift-JIS", kJapanese, "[MORE] ダウンライト", "SHIFT_JIS"},
        // Too short for the detector, which answers UTF-8 for bytes that are not.
        {"unrecognised GBK", "[LUMINAIRE] \xCD\xB2\xB5\xC6", "[LUMINAIRE] Í²µÆ", "ISO-8859-1"},
        {"Windows-1252",
         "Stra\xDF"
         "e \x85",
         "Straße …", "WINDOWS-1252"},
        // The guess, ISO-8859-3, reads 0x81 as a C1 control character.
        {"implausible guess", "M\xFCller \x81", "Müller \xC2\x81", "ISO-8859-1"},
    };
    for (const Row& row : rows) {
        const ReadableText decoded = DecodeReadableText(row.bytes);
        EXPECT_EQ(decoded.text, row.text) << row.what;
        EXPECT_EQ(decoded.encoding, row.encoding) << row.what;
    }
}

TEST(ReadableText, LinesInUtf8StayAndTheOthersShareOneEncoding) {
    const ReadableLines decoded = DecodeReadableLines(
        {"IESNA:LM-63-2002", "[TEST] 90\xC2\xB0", kCyrillic, "[LAMP] \xCB\xE0\xEC\xEF\xE0"});
    EXPECT_EQ(decoded.encoding, "WINDOWS-1251");
    EXPECT_EQ(decoded.lines, (TextLines{"IESNA:LM-63-2002", "[TEST] 90\xC2\xB0",
                                        "[LUMINAIRE] Светильник", "[LAMP] Лампа"}));
    EXPECT_EQ(DecodeReadableLines({"[TEST] 1", "[LAMP] \xC2\xB0"}).encoding, "UTF-8");
}

// The Japanese of these samples is a few characters, too little for the detector alone; with one
// more line of the same encoding the header is read as Shift-JIS and their own bytes decode.
TEST(ReadableText, ShiftJisSamplesDecodeOnceTheHeaderHoldsEnoughJapanese) {
    struct Row {
        const char* sample;
        std::size_t line;
        std::string text;
    };
    const std::vector<Row> rows{
        {"lm1995_shift_jis_181_per_line.ies", 4,
         "[LUMCAT] EL-D3524W/2W AHTZ LED3640lm W(定格ﾓｰﾄﾞ)"},
        {"lm1991_sjis_axial.ies", 4, "[LAMP] LED 26W 5700K〜2700K ()"},
    };
    for (const Row& row : rows) {
        tIES record;
        TextLines fileLines;
        TextLines headerLines;
        LoadPhotometry(std::string(LUMETRA_SAMPLES_DIR) + "/" + row.sample, record, fileLines,
                       headerLines, nullptr);
        ASSERT_GT(headerLines.size(), row.line) << row.sample;
        EXPECT_FALSE(IsValidUtf8(headerLines[row.line])) << row.sample;
        headerLines.push_back(kJapanese);
        const ReadableLines decoded = DecodeReadableLines(headerLines);
        EXPECT_EQ(decoded.encoding, "SHIFT_JIS") << row.sample;
        EXPECT_EQ(decoded.lines[row.line], row.text) << row.sample;
        EXPECT_EQ(decoded.lines[0], headerLines[0]) << "ASCII lines stay: " << row.sample;
    }
}

} // namespace
} // namespace lumetra
