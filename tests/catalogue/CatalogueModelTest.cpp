#include "catalogue/CatalogueModel.h"

#include "catalogue/CatalogueExport.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

namespace lumetra::catalogue {
namespace {

using summary::Figure;

CatalogueRow Row(const std::string& file, const std::string& luminaire, Figure flux, Figure beam0,
                 Figure beam90, RowStatus status = RowStatus::Clean) {
    CatalogueRow row;
    row.file = file;
    row.luminaire = luminaire;
    row.status = status;
    row.statusText = status == RowStatus::Fails ? "Cannot open file" : "";
    row.summary.Flux = flux;
    row.summary.BeamAngle = {beam0, beam90};
    row.summary.LightOutputRatio = 0.5L;
    return row;
}

// Rows in file order: a, b, C, d, e.
CatalogueModel Sample() {
    CatalogueModel model;
    std::vector<CatalogueRow> rows;
    rows.push_back(Row("a.ies", "Downlight narrow", 3000, 24, 26));
    rows.push_back(Row("b.ies", "Wallwasher", std::nullopt, 80, 40));
    rows.push_back(Row("C.ldt", "downlight wide", 2800, 60, std::nullopt));
    rows.push_back(
        Row("d.ies", "Broken", std::nullopt, std::nullopt, std::nullopt, RowStatus::Fails));
    rows.push_back(Row("e.ies", "Spot", 3000, 10, 12));
    EXPECT_EQ(model.Append(std::move(rows)), 5U);
    return model;
}

std::vector<std::string> Files(const CatalogueModel& model) {
    std::vector<std::string> files;
    for (const std::size_t id : model.View())
        files.push_back(model.Row(id).file);
    return files;
}

using Files5 = std::vector<std::string>;

TEST(CatalogueModel, SortsNumbersNumericallyWithUndefinedLastAndTiesInFileOrder) {
    CatalogueModel model = Sample();
    model.SortBy(Column::Flux, true);
    EXPECT_EQ(Files(model), (Files5{"C.ldt", "a.ies", "e.ies", "b.ies", "d.ies"}));
    model.SortBy(Column::Flux, false);
    EXPECT_EQ(Files(model), (Files5{"a.ies", "e.ies", "C.ldt", "b.ies", "d.ies"}));
    model.SortBy(Column::Beam, true); // the wider of the two: 26, 80, 60, -, 12
    EXPECT_EQ(Files(model), (Files5{"e.ies", "a.ies", "C.ldt", "b.ies", "d.ies"}));
    model.SortBy(std::nullopt, true);
    EXPECT_EQ(Files(model), (Files5{"a.ies", "b.ies", "C.ldt", "d.ies", "e.ies"}));
}

TEST(CatalogueModel, SortsTextsIgnoringLetterCase) {
    CatalogueModel model = Sample();
    model.SortBy(Column::Luminaire, true);
    EXPECT_EQ(Files(model), (Files5{"d.ies", "a.ies", "C.ldt", "e.ies", "b.ies"}));
    model.SortBy(Column::File, false);
    EXPECT_EQ(Files(model), (Files5{"e.ies", "d.ies", "C.ldt", "b.ies", "a.ies"}));
}

struct FilterCase {
    const char* search;
    const char* ranges;
    Files5 expected;
};

class CatalogueFilters : public ::testing::TestWithParam<FilterCase> {};

TEST_P(CatalogueFilters, KeepOnlyMatchingRowsInTheCurrentOrder) {
    const FilterCase& c = GetParam();
    CatalogueModel model = Sample();
    model.SortBy(Column::Flux, false);
    model.SetSearch(c.search);
    const ParsedRanges ranges = ParseRanges(c.ranges);
    ASSERT_EQ(ranges.error, "");
    model.SetRanges(ranges.ranges);
    EXPECT_EQ(Files(model), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CatalogueFilters,
    ::testing::Values(FilterCase{"", "", {"a.ies", "e.ies", "C.ldt", "b.ies", "d.ies"}},
                      FilterCase{"DOWNLIGHT", "", {"a.ies", "C.ldt"}},
                      FilterCase{"downlight wide", "", {"C.ldt"}}, // every word must occur
                      FilterCase{"ldt", "", {"C.ldt"}},            // the file name is text too
                      FilterCase{"fails", "", {"d.ies"}},          // and so is the status
                      FilterCase{"", "flux 2,500-3,500", {"a.ies", "e.ies", "C.ldt"}},
                      FilterCase{"", "flux 2,500-3,500; beam < 30", {"a.ies", "e.ies"}},
                      FilterCase{"", "beam <= 26", {"a.ies", "e.ies"}},
                      FilterCase{"", "beam>60", {"b.ies"}},
                      FilterCase{"", "beam90 >= 12", {"a.ies", "e.ies", "b.ies"}},
                      FilterCase{"", "lor 50-50", {"a.ies", "e.ies", "C.ldt", "b.ies"}},
                      FilterCase{"spot", "flux >3000", {}}));

// Every word the model shows, in a made-up language that puts "x-" before it.
std::string Prefixed(const Message& text) {
    return "x-" + text.English();
}

TEST(CatalogueModel, SearchesTheWordsAsShownInTheLanguage) {
    properties::NumberFormat format;
    format.wording = &Prefixed;
    CatalogueModel shown(format);
    std::vector<CatalogueRow> rows;
    rows.push_back(Row("a.ies", "Spot", 1, 1, 1));
    rows.push_back(Row("b.ies", "Broken", std::nullopt, 1, 1, RowStatus::Fails));
    shown.Append(std::move(rows));
    shown.SetSearch("x-fails");
    EXPECT_EQ(Files(shown), Files5{"b.ies"});

    CatalogueModel english = Sample();
    english.SetSearch("x-fails");
    EXPECT_EQ(Files(english), Files5{});
}

TEST(CatalogueModel, AppendedRowsJoinTheViewOnlyWhenTheyMatch) {
    CatalogueModel model;
    model.SetSearch("spot");
    std::vector<CatalogueRow> rows;
    rows.push_back(Row("a.ies", "Spot", 1, 1, 1));
    rows.push_back(Row("b.ies", "Flood", 1, 1, 1));
    EXPECT_EQ(model.Matching(rows), 1U);
    EXPECT_EQ(model.Append(std::move(rows)), 1U);
    EXPECT_EQ(model.RowCount(), 2U);
    model.SetSearch("");
    EXPECT_EQ(Files(model), (std::vector<std::string>{"a.ies", "b.ies"}));
}

// Rows arriving in batches into a sorted view are merged in place: the view is the one sorting
// every row at once gives, ties in file order, for numbers, texts and file order alike.
TEST(CatalogueModel, RowsAppendedInBatchesToASortedViewStandWhereOneSortPutsThem) {
    const auto rowsFrom = [](std::size_t first, std::size_t count) {
        std::vector<CatalogueRow> rows;
        for (std::size_t i = first; i < first + count; ++i)
            rows.push_back(Row("f" + std::to_string(100 + i) + ".ies",
                               i % 4 == 0 ? "Spot" : (i % 3 == 0 ? "flood" : "Downlight"),
                               i % 5 == 0 ? Figure() : Figure((i * 7) % 11 * 500), 10, 20));
        return rows;
    };
    for (const std::optional<Column> column :
         {std::optional<Column>(Column::Flux), std::optional<Column>(Column::Luminaire),
          std::optional<Column>()}) {
        for (const bool ascending : {true, false}) {
            CatalogueModel whole;
            whole.Append(rowsFrom(0, 40));
            whole.SortBy(column, ascending);
            CatalogueModel batched;
            batched.SortBy(column, ascending);
            for (const std::size_t first : {0U, 7U, 8U, 23U}) {
                const std::size_t count =
                    first == 0 ? 7 : (first == 7 ? 1 : (first == 8 ? 15 : 17));
                EXPECT_EQ(batched.Stage(rowsFrom(first, count)), count);
                EXPECT_EQ(batched.Commit(), count);
                batched.Resort();
            }
            EXPECT_EQ(Files(batched), Files(whole))
                << (column ? Info(*column).header : "file order") << ", ascending " << ascending;
        }
    }
}

TEST(CatalogueColumns, CellsShowFiguresWithoutUnitsAndFailingRowsEmpty) {
    const CatalogueModel model = Sample();
    EXPECT_EQ(CellText(model.Row(0), Column::Flux), "3 000");
    EXPECT_EQ(CellText(model.Row(0), Column::LightOutputRatio), "50.0");
    EXPECT_EQ(CellText(model.Row(0), Column::Beam), "26.0");
    EXPECT_EQ(CellText(model.Row(1), Column::Flux), "n/a");
    EXPECT_EQ(CellText(model.Row(3), Column::Flux), "");
    EXPECT_EQ(CellText(model.Row(3), Column::Status), "Fails: Cannot open file");
    EXPECT_EQ(CellText(model.Row(0), Column::Status), "Loads cleanly");
}

TEST(CatalogueExport, CsvHasUnitsInTheHeaderQuotesTextsAndPlainNumbers) {
    CatalogueRow row = Row("a,b.ies", "Say \"hi\"", 12345.6L, 24, 26);
    const std::string header = CsvHeader();
    EXPECT_EQ(header.rfind("File,Format,", 0), 0U);
    EXPECT_NE(header.find(",Luminous flux (lm),"), std::string::npos);
    EXPECT_NE(header.find(",Beam (°),"), std::string::npos);
    const std::string line = CsvLine(row);
    EXPECT_EQ(line.rfind("\"a,b.ies\",", 0), 0U);
    EXPECT_NE(line.find(",\"Say \"\"hi\"\"\","), std::string::npos);
    EXPECT_NE(line.find(",12346,"), std::string::npos); // no grouping blank
    EXPECT_EQ(line.substr(line.size() - 2), "\r\n");
}

TEST(CatalogueExport, TsvAndJsonOfRows) {
    const CatalogueRow row = Row("a.ies", "Tab\there", 1000, 20, 30);
    const CatalogueRow broken =
        Row("d.ies", "", std::nullopt, std::nullopt, std::nullopt, RowStatus::Fails);
    const std::string tsv = TsvText({&row});
    EXPECT_EQ(std::count(tsv.begin(), tsv.end(), '\n'), 2);
    EXPECT_NE(tsv.find("\tTab here\t"), std::string::npos);
    const Json json = RowJson(broken);
    EXPECT_EQ(json["File"], "d.ies");
    EXPECT_EQ(json["Status"], "fails");
    EXPECT_EQ(json["Message"], "Cannot open file");
    EXPECT_TRUE(RowJson(row)["Message"].is_null());
}

} // namespace
} // namespace lumetra::catalogue
