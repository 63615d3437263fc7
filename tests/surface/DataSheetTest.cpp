// The data sheet's content: the title block from the header, the diagrams in the file's unit, the
// tables a report quotes with units, the figures a file lacks left out, the footer; and its pages.

#include "surface/DataSheet.h"

#include "eulumdat/EulumdatLoading.h"
#include "eulumdat/PhotometryFile.h"
#include "support/Samples.h"
#include "support/TempFolder.h"

#include <QFile>
#include <gtest/gtest.h>

namespace lumetra {
namespace {

using test::LdtSamplePath;
using test::SamplePath;

struct Loaded {
    std::string name;
    tIES record;
    LuminaireFacts facts;
    TextLines headerLines;
};

Loaded Load(const std::string& name) {
    Loaded file{name, {}, {}, {}};
    TextLines fileLines;
    LoadPhotometryFile(name, file.record, fileLines, file.headerLines, {}, file.facts);
    return file;
}

DataSheetInput InputOf(const Loaded& file) {
    DataSheetInput input;
    input.fileName = QString::fromStdString(file.name);
    input.headerLines = file.headerLines;
    input.record = &file.record;
    input.facts = &file.facts;
    input.eulumdat = EulumdatLinesOf(file.name);
    input.program = "Lumetra 9.8.7";
    input.made = QDateTime(QDate(2031, 5, 4), QTime(10, 0));
    input.modified = "2030-01-02 03:04";
    return input;
}

QStringList Titles(const DataSheetContent& sheet) {
    QStringList titles;
    for (const SheetTable& table : sheet.tables)
        titles << table.title;
    return titles;
}

const SheetTable* Table(const DataSheetContent& sheet, const QString& title) {
    for (const SheetTable& table : sheet.tables)
        if (table.title == title)
            return &table;
    return nullptr;
}

// The value of a two-column table's row by its caption; empty when there is none.
QString Value(const SheetTable& table, const QString& caption) {
    for (const QStringList& row : table.rows)
        if (row.front() == caption)
            return row.back();
    return {};
}

TEST(DataSheet, TablesFollowTheFormatAndWhatTheFileHolds) {
    const struct {
        std::string file;
        QStringList titles;
        const char* unit; // of the diagrams
    } rows[] = {
        {SamplePath("lm1995_pendant_more_crlf.ies"),
         {"Photometric summary", "Zonal flux", "Luminous opening", "Compliance"},
         "cd"},
        {LdtSamplePath("ldt_isym3_144x47_two_lamp_sets_crlf.ldt"),
         {"Photometric summary", "Zonal flux", "Luminous opening", "Luminaire (EULUMDAT)",
          "Compliance"},
         "cd/klm"},
        // Types A and B have no BUG rating and no luminance table.
        {SamplePath("lm2002_typeb_flood_quadrant_crlf.ies"),
         {"Photometric summary", "Zonal flux", "Luminous opening"},
         "cd"},
    };
    for (const auto& row : rows) {
        const Loaded file = Load(row.file);
        const DataSheetContent sheet = MakeDataSheet(InputOf(file));
        EXPECT_EQ(Titles(sheet), row.titles) << row.file;
        ASSERT_TRUE(sheet.diagrams) << row.file;
        EXPECT_EQ(sheet.polar.kind, diagrams::DiagramKind::Polar);
        EXPECT_EQ(sheet.cartesian.kind, diagrams::DiagramKind::Cartesian);
        EXPECT_EQ(diagrams::DiagramData::UnitName(sheet.polar.unit), std::string(row.unit));
        EXPECT_NE(sheet.polar.caption.find(row.unit), std::string::npos) << sheet.polar.caption;
        EXPECT_FALSE(sheet.lightPattern.isNull()) << row.file;
    }
}

TEST(DataSheet, FiguresCarryTheirUnitsInTheOneNumberFormat) {
    const Loaded file = Load(SamplePath("lm1995_pendant_more_crlf.ies"));
    DataSheetInput input = InputOf(file);
    input.format = properties::NumberFormat(",", ".");
    const DataSheetContent sheet = MakeDataSheet(input);
    const SheetTable& summary = *Table(sheet, "Photometric summary");
    EXPECT_EQ(Value(summary, "Luminous flux"), "7.553 lm");
    EXPECT_EQ(Value(summary, "Light output ratio"), "83,9 %");
    // The zonal flux has its own table, not rows of the summary.
    EXPECT_EQ(Value(summary, "Zonal flux 0-90\u00b0"), "");
    const SheetTable& zonal = *Table(sheet, "Zonal flux");
    ASSERT_EQ(zonal.rows.size(), summary::kZones.size());
    EXPECT_EQ(zonal.header.size(), 4);
    EXPECT_EQ(zonal.rows.back(), (QStringList{"0-180\u00b0", "7.553 lm", "100,0 %", "83,9 %"}));
    const SheetTable& opening = *Table(sheet, "Luminous opening");
    EXPECT_EQ(Value(opening, "Width"), "0,5 feet");
    EXPECT_TRUE(Value(*Table(sheet, "Compliance"), "BUG rating").startsWith('B'));
}

TEST(DataSheet, TheTitleBlockAndFooterNameTheLuminaireTheFileAndTheProgram) {
    const Loaded file = Load(LdtSamplePath("ldt_isym3_144x47_two_lamp_sets_crlf.ldt"));
    const DataSheetContent sheet = MakeDataSheet(InputOf(file));
    EXPECT_EQ(sheet.title, "ldt_isym3_144x47_two_lamp_sets_crlf.ldt");
    const std::vector<properties::CaptionedValue> identity{{"Manufacturer", "TEST"},
                                                           {"Catalogue number", "-"},
                                                           {"Luminaire", "TEST /123 DEMOLAMPSET"},
                                                           {"Lamp", "LED 1"}};
    EXPECT_EQ(sheet.identity, identity);
    EXPECT_EQ(sheet.footerSource,
              "Source: ldt_isym3_144x47_two_lamp_sets_crlf.ldt, modified 2030-01-02 03:04");
    EXPECT_EQ(sheet.footerMade, "Sheet of 2031-05-04, Lumetra 9.8.7");
    const SheetTable& luminaire = *Table(sheet, "Luminaire (EULUMDAT)");
    EXPECT_EQ(Value(luminaire, "Lamp set 2"), "1 \u00d7 LED 2, 10 080 lm, 4000, 70, 73.0 W");
    EXPECT_EQ(Value(luminaire, "Luminaire dimensions"), "\u2300 570 \u00d7 209 mm");
}

TEST(DataSheet, AFileThatDidNotReadCompletelyShowsWhyInPlaceOfEveryFigure) {
    const Loaded file = Load(SamplePath("lm1995_pendant_more_crlf.ies"));
    DataSheetInput input = InputOf(file);
    input.notSignificant = {"not significant: the file did not read completely", "Line 9"};
    const DataSheetContent sheet = MakeDataSheet(input);
    EXPECT_EQ(sheet.notSignificant,
              QStringList({"not significant: the file did not read completely", "Line 9"}));
    EXPECT_TRUE(sheet.tables.empty());
    EXPECT_FALSE(sheet.diagrams);
    EXPECT_TRUE(sheet.lightPattern.isNull());
    EXPECT_FALSE(sheet.identity.empty()); // who made it is still worth saying
}

TEST(DataSheet, AFileWithoutIntensitiesSaysSoAndDrawsNoDiagram) {
    Loaded file = Load(SamplePath("lm1995_pendant_more_crlf.ies"));
    file.record.Candela.clear();
    const DataSheetContent sheet = MakeDataSheet(InputOf(file));
    EXPECT_FALSE(sheet.diagrams);
    ASSERT_FALSE(sheet.tables.empty());
    EXPECT_EQ(sheet.tables.front().note, "The file holds no photometric data.");
    EXPECT_EQ(sheet.lightPatternCaption, "Light pattern: the file holds no intensities to render");
}

TEST(DataSheet, TablesTooLongForOnePageGoOnASecondAndTheFileIsReplacedWhole) {
    test::TempFolder folder;
    const QString pdf = QString::fromStdString((folder.path() / "sheet.pdf").string());
    const Loaded file = Load(LdtSamplePath("ldt_isym3_144x47_two_lamp_sets_crlf.ldt"));
    DataSheetContent sheet = MakeDataSheet(InputOf(file));
    SheetTable small = sheet.tables.front();
    sheet.tables = {small};
    EXPECT_EQ(WriteDataSheet(pdf, sheet, QPageSize::A4), 1);
    for (int copies = 0; copies < 4; ++copies)
        sheet.tables.push_back(small);
    EXPECT_EQ(WriteDataSheet(pdf, sheet, QPageSize::A4), 2);
    for (int copies = 0; copies < 8; ++copies)
        sheet.tables.push_back(small);
    EXPECT_EQ(WriteDataSheet(pdf, sheet, QPageSize::A4), 4);
    QFile written(pdf);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_TRUE(written.readAll().startsWith("%PDF"));
    // Nothing but the sheet is left in the folder: the temporary file was renamed.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()),
                            std::filesystem::directory_iterator()),
              1);
}

TEST(DataSheet, AFolderThatCannotBeWrittenIsAnErrorNamingTheFile) {
    const Loaded file = Load(SamplePath("lm1995_pendant_more_crlf.ies"));
    const DataSheetContent sheet = MakeDataSheet(InputOf(file));
    try {
        WriteDataSheet("/no/such/folder/sheet.pdf", sheet, QPageSize::A4);
        FAIL() << "written";
    } catch (const std::exception& error) {
        EXPECT_NE(std::string(error.what()).find("Cannot write /no/such/folder/sheet.pdf"),
                  std::string::npos)
            << error.what();
    }
}

} // namespace
} // namespace lumetra
