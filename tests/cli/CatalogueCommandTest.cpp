// lumetra-cli catalogue, run as a process: every key of `summary --json` with the same values,
// the formats, the output file and the usage errors.

#include "CliProcess.h"
#include "cli/CommandOptions.h"
#include "cli/ExtendedJson.h"
#include "support/Samples.h"

#include <fstream>

namespace {

namespace fs = std::filesystem;
using lumetra::cli::Json;
class CatalogueCommand : public lumetra::test::CliTest {};

// Each row holds every key of `summary --json` for its file with the very same value, as written.
TEST_F(CatalogueCommand, JsonRowsCarryTheSummaryOfEachFile) {
    for (const std::string& folder : lumetra::test::SampleFolders()) {
        const auto run = RunCli({"catalogue", folder, "--json", "--jobs", "2"});
        ASSERT_EQ(run.exitCode, 0) << run.err;
        const Json rows = Json::parse(run.out);
        ASSERT_TRUE(rows.is_array());
        ASSERT_GT(rows.size(), 20U);
        for (const Json& row : rows) {
            const std::string file = row["File"];
            SCOPED_TRACE(file);
            const auto summary = RunCli({"summary", "--json", std::string(folder) + "/" + file});
            EXPECT_EQ(row["Status"] == "fails", summary.exitCode != 0);
            if (summary.exitCode != 0)
                continue;
            const Json expected = Json::parse(summary.out);
            for (const auto& item : expected.items()) {
                ASSERT_TRUE(row.contains(item.key())) << item.key();
                EXPECT_EQ(row[item.key()].dump(), item.value().dump()) << item.key();
            }
        }
    }
}

TEST_F(CatalogueCommand, CsvToAFileAndTheSameRowsForAnyNumberOfJobs) {
    const std::string out = (dir_ / "catalogue.csv").string();
    const auto run = RunCli({"catalogue", lumetra::test::LdtSamplesFolder(), "--csv", "-o", out});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "");
    const std::string csv = lumetra::test::ReadWholeFile(out);
    EXPECT_EQ(csv.rfind("File,Format,Manufacturer,Catalogue number,", 0), 0U);
    EXPECT_NE(csv.find(",Luminous flux (lm),"), std::string::npos);
    const auto one = RunCli({"catalogue", lumetra::test::SamplesFolder(), "--jobs", "1"});
    const auto three = RunCli({"catalogue", lumetra::test::SamplesFolder(), "--jobs", "3"});
    EXPECT_EQ(one.out, three.out);
    EXPECT_NE(one.out.find("\tLoads cleanly\n"), std::string::npos);
}

TEST_F(CatalogueCommand, RecursiveListsSubfoldersWithRelativePaths) {
    fs::create_directories(dir_ / "sub");
    fs::copy_file(lumetra::test::SamplePath("lm2002_roadway_quadrant_more_crlf.ies"),
                  dir_ / "sub" / "road.ies");
    folder_->Write("broken.ldt", "nothing");
    const auto flat = RunCli({"catalogue", dir_.string(), "--json"});
    const auto deep = RunCli({"catalogue", dir_.string(), "--json", "--recursive"});
    ASSERT_EQ(deep.exitCode, 0) << deep.err;
    EXPECT_EQ(Json::parse(flat.out).size(), 1U);
    const Json rows = Json::parse(deep.out);
    ASSERT_EQ(rows.size(), 2U);
    EXPECT_EQ(rows[0]["File"], "broken.ldt");
    EXPECT_EQ(rows[0]["Status"], "fails");
    EXPECT_EQ(rows[1]["File"], "sub/road.ies");
    EXPECT_EQ(rows[1]["Manufacturer"], "RAB LIGHTING INC.");
}

TEST_F(CatalogueCommand, UsageErrorsAndAMissingFolder) {
    const struct {
        std::vector<std::string> arguments;
        int exitCode;
        const char* inErr;
    } rows[] = {
        {{"catalogue"}, 2, "Usage: lumetra-cli catalogue FOLDER"},
        {{"catalogue", "a", "b"}, 2, "exactly one folder"},
        {{"catalogue", ".", "--csv", "--json"}, 2, "not both"},
        {{"catalogue", ".", "--jobs", "0"}, 2, "--jobs takes a whole number"},
        {{"catalogue", ".", "--jobs", "x"}, 2, "--jobs takes a whole number"},
        {{"catalogue", "--bogus", "."}, 2, "bogus"},
        {{"catalogue", (dir_ / "missing").string()}, 1, "Not a folder"},
    };
    for (const auto& row : rows) {
        const auto run = RunCli(row.arguments);
        EXPECT_EQ(run.exitCode, row.exitCode) << run.err;
        EXPECT_NE(run.err.find(row.inErr), std::string::npos) << run.err;
    }
    const auto empty = RunCli({"catalogue", dir_.string(), "--json"});
    EXPECT_EQ(empty.out, "[]\n");
}

} // namespace
