#include "catalogue/CatalogueRow.h"

#include "catalogue/CatalogueScan.h"
#include "compliance/Compliance.h"
#include "compliance/ComplianceJson.h"
#include "eulumdat/PhotometryFile.h"
#include "support/Samples.h"
#include "support/TempFolder.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>

namespace lumetra::catalogue {
namespace {

namespace fs = std::filesystem;

// The summary JSON of a file loaded straight through the loader, as `summary --json` builds it.
std::optional<Json> DirectSummary(const std::string& path, bool& message) {
    tIES record;
    LuminaireFacts facts;
    TextLines lines;
    TextLines header;
    message = false;
    try {
        // A file the reader flagged has no figures: its row fails with the reason.
        if (LoadPhotometryFile(
                path, record, lines, header, [&](const Message&) { message = true; }, facts))
            return std::nullopt;
    } catch (const std::exception&) {
        return std::nullopt;
    }
    if (!summary::HasPhotometricData(record))
        return std::nullopt;
    return compliance::SummaryJson(record, facts, summary::Summarize(record, facts));
}

// Every sample: a row that loads carries exactly the summary of the file, and its status says
// whether the reader spoke; a file that cannot be summarised fails with a reason.
TEST(CatalogueRow, EverySampleRowEqualsItsSummary) {
    int summarised = 0;
    for (const std::string& folder : test::SampleFolders()) {
        for (const RowRequest& request : CatalogueFiles(folder, false, true)) {
            SCOPED_TRACE(request.path);
            const CatalogueRow row = LoadCatalogueRow(request);
            bool message = false;
            const auto expected = DirectSummary(request.path, message);
            EXPECT_EQ(row.file, fs::path(request.path).filename().string());
            if (!expected) {
                EXPECT_EQ(row.status, RowStatus::Fails);
                EXPECT_FALSE(row.statusText.empty());
                continue;
            }
            ++summarised;
            EXPECT_EQ(row.status, message ? RowStatus::ReaderMessage : RowStatus::Clean);
            EXPECT_EQ(row.summaryJson, *expected);
            EXPECT_EQ(row.summaryJson.dump(), expected->dump()); // to the last digit written
        }
    }
    EXPECT_GT(summarised, 50);
}

TEST(CatalogueRow, DescriptionFieldsComeFromTheHeaderKeywords) {
    const CatalogueRow row =
        LoadCatalogueRow({test::SamplePath("lm2002_roadway_quadrant_more_crlf.ies"), "x.ies"});
    EXPECT_EQ(row.manufacturer, "RAB LIGHTING INC.");
    EXPECT_EQ(row.catalogueNumber, "PRT70/480, PRT70/480/D10");
    EXPECT_EQ(row.format, "IESNA:LM-63-2002");
    EXPECT_TRUE(row.summaryJson.is_null()); // not asked for
    EXPECT_TRUE(row.summary.Flux.has_value());
}

// A header in a legacy encoding reads as the viewer shows it, or in the encoding asked for.
TEST(CatalogueRow, DescriptionFieldsAreReadInTheGuessedOrTheChosenEncoding) {
    struct Case {
        const char* encoding;
        const char* lamp;
    };
    for (const Case& c :
         {Case{"", "LED3640lm W(定格ﾓｰﾄﾞ)"}, Case{"WINDOWS-1252", "LED3640lm W(’èŠiÓ°ÄÞ)"}}) {
        RowRequest request{test::SamplePath("lm1995_shift_jis_181_per_line.ies"), "x.ies"};
        request.encoding = c.encoding;
        EXPECT_EQ(LoadCatalogueRow(request).lamp, c.lamp) << c.encoding;
    }
}

TEST(CatalogueRow, AFileThatDidNotReadCompletelyFailsWithTheVerdict) {
    const CatalogueRow row =
        LoadCatalogueRow({test::SamplePath("lm2002_tab_separated_candela.ies"), "x.ies", true});
    EXPECT_EQ(row.status, RowStatus::Fails);
    EXPECT_EQ(row.statusText.rfind("not significant: the file did not read completely; Error! "
                                   "Line 21; Line 21: error: Token",
                                   0),
              0u)
        << row.statusText;
    EXPECT_TRUE(row.summaryJson.is_null());
}

TEST(CatalogueRow, FilesThatCannotBeReadFailWithTheirReason) {
    const test::TempFolder folder;
    const std::string empty = folder.Write("empty.ies", "");
    const std::string garbage = folder.Write("garbage.ldt", "not\na\nluminaire\n");
    const std::string large = folder.Write("large.ies", "");
    fs::resize_file(large, kMaxCatalogueFileBytes + 1); // sparse: costs no disk
    const std::string pipe = (folder.path() / "pipe.ies").string();
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    const std::string missing = (folder.path() / "missing.ies").string();
    for (const std::string& path : {empty, garbage, large, pipe, missing}) {
        SCOPED_TRACE(path);
        const CatalogueRow row = LoadCatalogueRow({path, "f", true});
        EXPECT_EQ(row.status, RowStatus::Fails);
        EXPECT_FALSE(row.statusText.empty());
        EXPECT_TRUE(row.summaryJson.is_null());
    }
    EXPECT_NE(LoadCatalogueRow({large, "f"}).statusText.find("32 MB"), std::string::npos);
}

} // namespace
} // namespace lumetra::catalogue
