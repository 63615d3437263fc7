// The summary's rows in the one number format, and a file that did not read completely.

#include "properties/SummaryRows.h"

#include "properties/RowsText.h"

#include <gtest/gtest.h>

namespace lumetra::properties {
namespace {

std::string ValueOf(const std::vector<CaptionedValue>& rows, const std::string& caption) {
    for (const auto& [shown, value] : rows)
        if (shown == caption)
            return value;
    return "(none)";
}

TEST(SummaryRows, FiguresInTheFormatGiven) {
    summary::PhotometricSummary s;
    s.Type = PhotometricKind::C;
    s.Flux = 12345.678L;
    s.LightOutputRatio = 0.8734L;
    s.BeamAngle = {36.44L, std::nullopt};
    s.MaxIntensity = 2241610.0L;
    s.MaxIntensityC = 90;
    s.MaxIntensityGamma = 0;
    const auto rows = SummaryFigureRows(s, NumberFormat(",", "."));
    EXPECT_EQ(ValueOf(rows, "Photometric type"), "C");
    EXPECT_EQ(ValueOf(rows, "Luminous flux"), "12.346 lm");
    EXPECT_EQ(ValueOf(rows, "Light output ratio"), "87,3 %");
    EXPECT_EQ(ValueOf(rows, "Beam angle (C0-C180)"), "36,4°");
    EXPECT_EQ(ValueOf(rows, "Beam angle (C90-C270)"), "n/a");
    EXPECT_EQ(ValueOf(rows, "Maximum intensity"), "2.241.610 cd at C 90,0°, gamma 0,0°");
    EXPECT_EQ(ValueOf(rows, "Input watts"), "n/a");
}

TEST(SummaryRows, AFileThatDidNotReadCompletelyShowsWhyInPlaceOfItsFigures) {
    tIES record;
    record.VerticalAngles = {0, 90};
    record.HorizontalAngles = {0};
    record.Candela = {{100, 0}};
    ReadingVerdict verdict;
    verdict.complete = false;
    verdict.readerLine = Message::Verbatim("Error! Line 7");
    verdict.finding = Finding{Severity::Error, 7, Message::Verbatim("Token 'x' is not a number")};
    const auto rows = SummaryRows("a.ies", record, LuminaireFacts{}, {"IESNA:LM-63-2002"}, verdict);
    EXPECT_EQ(rows, (std::vector<CaptionedValue>{
                        {"Format", "IESNA:LM-63-2002"},
                        {"Figures", "not significant: the file did not read completely"},
                        {"Reader", "Error! Line 7"},
                        {"Check", "Line 7: Token 'x' is not a number"}}));
    verdict.complete = true;
    EXPECT_NE(ValueOf(SummaryRows("a.ies", record, LuminaireFacts{}, {}, verdict), "Luminous flux"),
              "(none)");
}

TEST(SummaryRows, TheWholeTableAsTextForTheClipboard) {
    EXPECT_EQ(RowsText({{"Luminous flux", "4 512 lm"}, {"Reader", "Error!\r\rLine\t7"}}),
              "Luminous flux\t4 512 lm\nReader\tError!  Line 7\n");
    EXPECT_EQ(RowsText({}), "");
}

} // namespace
} // namespace lumetra::properties
