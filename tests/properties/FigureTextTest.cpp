#include "properties/FigureText.h"

#include "properties/LuminousOpening.h"
#include "properties/ReportedLine.h"

#include <cmath>
#include <gtest/gtest.h>

namespace lumetra::properties {
namespace {

TEST(FigureText, ShowsUnitsAndSensibleDigits) {
    struct Row {
        std::optional<long double> value;
        Unit unit;
        const char* separator;
        const char* shown;
    };
    const Row rows[] = {
        {4512.3L, kLumen, ".", "4 512 lm"},
        {87.34L, kPercent, ".", "87.3 %"},
        {101.82L, kEfficacy, ".", "101.8 lm/W"},
        {36.44L, kDegree, ".", "36.4°"},
        {36.0L, kDegree, ".", "36.0°"},
        {1234567.8L, kCandela, ",", "1 234 568 cd"},
        {45.123L, kLumen, ".", "45.1 lm"},
        {0.012345L, kLumen, ",", "0,0123 lm"},
        {0.5L, kPercent, ".", "0.5 %"},
        {-0.25L, Unit{"feet", 0}, ".", "-0.25 feet"},
        {0, kLumen, ".", "0 lm"},
        {-0.0001L, kPercent, ".", "-0.0001 %"},
        {3, kNone, ".", "3"},
        {2e20L, kLumen, ".", "2e+20 lm"},
        {std::nullopt, kLumen, ".", "n/a"},
        {HUGE_VALL, kCandela, ".", "n/a"},
        {std::nanl(""), kDegree, ".", "n/a"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(FigureText(row.value, row.unit, row.separator), row.shown)
            << (row.value ? static_cast<double>(*row.value) : -1.0);
}

TEST(FigureText, GroupsAndDecimalsAsTheLocaleWritesThem) {
    const struct {
        NumberFormat format;
        const char* shown;
    } rows[] = {
        {NumberFormat(".", ","), "2,241,610.5 cd"},
        {NumberFormat(",", "."), "2.241.610,5 cd"},
        {NumberFormat(".", ""), "2241610.5 cd"},
        {NumberFormat(",", "\u202f"), "2\u202f241\u202f610,5 cd"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(FigureText(2241610.5L, Unit{"cd", 1}, row.format), row.shown);
    EXPECT_EQ(FigureText(-1234.6L, kLumen, NumberFormat(".", ",")), "-1,235 lm");
    EXPECT_EQ(FigureText(-0.0001L, kLumen, NumberFormat(",", ".")), "-0,0001 lm");
}

TEST(FigureText, StoredNumbersKeepTheirDigits) {
    EXPECT_EQ(StoredNumberText(0.1L), "0.1");
    EXPECT_EQ(StoredNumberText(12345.678L, ","), "12345,678");
    EXPECT_EQ(StoredNumberText(-90), "-90");
}

TEST(LuminousOpening, SignsGiveTheShape) {
    struct Row {
        long double width, length, height;
        const char* shape;
    };
    const Row rows[] = {
        {0, 0, 0, "Point"},
        {0.5L, 1.2L, 0, "Rectangular"},
        {0.5L, 1.2L, 0.1L, "Rectangular with luminous sides"},
        {-0.2L, -0.2L, 0, "Circular"},
        {-0.2L, -0.3L, 0, "Ellipse"},
        {-0.2L, -0.2L, 0.4L, "Vertical cylinder"},
        {-0.2L, -0.3L, 0.4L, "Vertical ellipsoidal cylinder"},
        {-0.2L, -0.2L, -0.2L, "Sphere"},
        {-0.2L, -0.2L, -0.3L, "Ellipsoidal spheroid"},
        {-0.2L, 1, -0.2L, "Horizontal cylinder along photometric horizontal"},
        {-0.2L, 1, -0.3L, "Horizontal ellipsoidal cylinder along photometric horizontal"},
        {1, -0.2L, -0.2L, "Horizontal cylinder perpendicular to photometric horizontal"},
        {1, -0.2L, -0.3L,
         "Horizontal ellipsoidal cylinder perpendicular to photometric horizontal"},
        {-0.2L, 0, -0.2L, "Vertical circle facing photometric horizontal"},
        {-0.2L, 0, -0.3L, "Vertical ellipse facing photometric horizontal"},
        {0, -0.2L, -0.2L, "Vertical circle facing perpendicular to photometric horizontal"},
        {0, -0.2L, -0.3L, "Vertical ellipse facing perpendicular to photometric horizontal"},
        {0.5L, 0, 0, "Not an LM-63 shape"},
        {-0.5L, 1, 0, "Not an LM-63 shape"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(OpeningShape(row.width, row.length, row.height), row.shape)
            << static_cast<double>(row.width) << " " << static_cast<double>(row.length) << " "
            << static_cast<double>(row.height);
    EXPECT_EQ(UnitsName(1), "feet");
    EXPECT_EQ(UnitsName(2), "meters");
    EXPECT_EQ(UnitsName(0), "unknown units");
}

TEST(ReportedLine, FindsTheLineAReaderNames) {
    struct Row {
        const char* message;
        std::optional<std::size_t> line;
    };
    const Row rows[] = {
        {"Error!\r\rLine 14", 14},
        {"Line 12 of the EULUMDAT file: not a number", 12},
        {"Error!\r\rLine 0", std::nullopt},
        {"List index out of bounds (0)", std::nullopt},
        {"Line x, then Line 7", 7},
        {"Line 99999999999999999999", 999999999},
        {"", std::nullopt},
    };
    for (const Row& row : rows)
        EXPECT_EQ(ReportedLine(row.message), row.line) << row.message;
}

} // namespace
} // namespace lumetra::properties

#include "properties/FileText.h"

namespace lumetra::properties {
namespace {

TEST(FileText, JoinsLinesAndCutsWhatWouldFreezeTheWindow) {
    EXPECT_EQ(TextToShow({"a", "", "b\xE9"}).text, "a\n\nb\xC3\xA9");
    EXPECT_FALSE(TextToShow({"a"}).shortened);
    const ShownText longLine = TextToShow({std::string(kShownLineBytes + 1, 'x')});
    EXPECT_TRUE(longLine.shortened);
    EXPECT_EQ(longLine.text.size(), kShownLineBytes);
    const ShownText many = TextToShow(TextLines(kShownLines + 1, "1"));
    EXPECT_TRUE(many.shortened);
    EXPECT_EQ(many.text.size(), 2 * kShownLines - 1);
}

} // namespace
} // namespace lumetra::properties
