#include "properties/KeywordTable.h"

#include "data/Loading.h"
#include "properties/IntensityTable.h"
#include "properties/SummaryRows.h"
#include "support/Samples.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace lumetra::properties {
namespace {

using Rows = std::vector<std::pair<std::string, std::string>>;

Rows Pairs(const std::vector<KeywordRow>& rows) {
    Rows pairs;
    for (const KeywordRow& row : rows)
        pairs.emplace_back(row.keyword, row.value);
    return pairs;
}

TEST(KeywordTable, KeepsFileOrderJoinsContinuationsAndKeepsUnknownKeywords) {
    const TextLines header = {"IESNA:LM-63-2002",
                              "[TEST] 123",
                              "  [LUMINAIRE]  LONG NAME ",
                              "[MORE] CONTINUED",
                              "[MORE]",
                              "[_ABSOLUTELUMENS] 4512",
                              "free text without keyword",
                              "[Test] mixed case",
                              "[] [MORE] odd",
                              "TILT=NONE"};
    const Rows expected = {{"[TEST]", "123"},
                           {"[LUMINAIRE]", "LONG NAME CONTINUED"},
                           {"[_ABSOLUTELUMENS]", "4512"},
                           {"", "free text without keyword"},
                           {"[Test]", "mixed case"},
                           {"", "[] [MORE] odd"}};
    EXPECT_EQ(Pairs(KeywordTable(header)), expected);
    EXPECT_EQ(Pairs(KeywordTable({"[MORE] first", "[LAMP] x"})),
              (Rows{{"[MORE]", "first"}, {"[LAMP]", "x"}}))
        << "a continuation without a keyword before it stays a row of its own";
}

TEST(KeywordTable, SampleWithContinuationLines) {
    TextLines lines = ReadFileLines(test::SamplePath("lm1995_pendant_more_crlf.ies"));
    lines.resize(17); // up to and including TILT=NONE
    const auto rows = KeywordTable(lines);
    ASSERT_EQ(rows.size(), 12u);
    EXPECT_EQ(rows[4].keyword, "[LUMINAIRE]");
    EXPECT_EQ(rows[4].value, "WHITE PAINTED FABRICATED METAL HOUSING WITH PERFORATED DOWNLIGHT "
                             "APERTURES, WHITE PAINTED GENERAL INTERIOR FINISH, WHITE PAINTED "
                             "CENTER REFLECTOR STRIP, THIN TRANSLUCENT PLASTIC SHEET OVER "
                             "DOWNLIGHT APERTURES, OPEN TOP. CENTER LAMP MOUNTED OBLIQUELY "
                             "ACROSS WHITE CENTER STRIP.");
    EXPECT_EQ(rows[5].keyword, "[LAMP]");
    EXPECT_EQ(rows[8].keyword, "[_PAINTREFL]");
}

TEST(KeywordTable, FindsWebAddresses) {
    const std::pair<const char*, const char*> rows[] = {
        {"see https://example.com/a?b=1.", "https://example.com/a?b=1"},
        {"www.maker.de, catalogue", "https://www.maker.de"},
        {"(http://x.org/y)", "http://x.org/y"},
        {"no address here", ""},
    };
    for (const auto& [text, url] : rows)
        EXPECT_EQ(FirstUrl(text), url) << text;
}

tIES Grid3x2() {
    tIES record;
    record.CandelaMultiplier = 2.5L;
    record.VerticalAngles = {0, 45, 90};
    record.HorizontalAngles = {0, 90};
    record.Candela = {{100, 80.5L, 0}, {100, 120, 0.25L}};
    return record;
}

TEST(IntensityTable, TextRowsAreGammaColumnsAreC) {
    const tIES record = Grid3x2();
    EXPECT_EQ(TabSeparatedText(record, ","),
              "gamma \\ C\t0\t90\n0\t100\t100\n45\t80,5\t120\n90\t0\t0,25\n");
    EXPECT_EQ(CsvText(record), "gamma \\ C,0,90\r\n0,100,100\r\n45,80.5,120\r\n90,0,0.25\r\n");
    ASSERT_TRUE(MaxCell(record));
    EXPECT_EQ(MaxCell(record)->row, 1u);
    EXPECT_EQ(MaxCell(record)->column, 1u);
    EXPECT_EQ(MultiplierNote(record),
              "Values as stored; candela = value \u00d7 2.5 (the file's candela multiplier).");
}

TEST(IntensityTable, ShortPlanesAndMissingPlanesLeaveCellsEmpty) {
    tIES record = Grid3x2();
    record.Candela[1].resize(1);
    record.HorizontalAngles.push_back(180); // an angle without a plane
    EXPECT_EQ(ColumnCount(record), 2u);
    EXPECT_FALSE(CellValue(record, {2, 1}));
    EXPECT_EQ(CsvText(record), "gamma \\ C,0,90\r\n0,100,100\r\n45,80.5,\r\n90,0,\r\n");
    record.Candela.clear();
    EXPECT_EQ(RowCount(record), 0u);
    EXPECT_FALSE(MaxCell(record));
}

TEST(SummaryRows, NameTheFormatAndTheOpeningOfASample) {
    tIES record;
    TextLines fileLines, header;
    LuminaireFacts facts;
    LoadPhotometry(test::SamplePath("lm2019_example_profile.ies"), record, fileLines, header,
                   nullptr, facts);
    const auto rows = SummaryRows("x.ies", record, facts, header);
    const auto value = [&rows](const std::string& caption) {
        const auto at = std::find_if(rows.begin(), rows.end(),
                                     [&](const auto& row) { return row.first == caption; });
        return at == rows.end() ? std::string("missing") : at->second;
    };
    EXPECT_EQ(value("Format"), "IES:LM-63-2019");
    EXPECT_EQ(value("Luminous opening"), "Circular");
    EXPECT_EQ(value("Diameter"), "0.2 feet"); // not "Width -0.2 feet"
    EXPECT_EQ(value("Width"), "missing");
    EXPECT_EQ(value("Lamps"), "1, absolute photometry");
    EXPECT_EQ(value("Input watts"), "25.0 W");
    EXPECT_EQ(value("Photometric type"), "C");
    EXPECT_EQ(FormatText("a.LDT", header), "EULUMDAT");
    EXPECT_EQ(FormatText("a.ies", {"[TEST] 1", "TILT=NONE"}), "LM-63-1986 (no version line)");
}

} // namespace
} // namespace lumetra::properties
