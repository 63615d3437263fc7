// lumetra-cli summary, run as a process: exit codes, error texts and the JSON keys.

#include "CliProcess.h"
#include "cli/ExtendedJson.h"
#include "support/Samples.h"

#include <fstream>
#include <set>

namespace {

using lumetra::cli::Json;
class SummaryCommand : public lumetra::test::CliTest {};

TEST_F(SummaryCommand, ExitCodesMessagesAndJsonKeys) {
    const std::string sample = lumetra::test::SamplePath("lm2002_typeb_full_73x73.ies");
    const std::string empty = folder_->Write(
        "empty.ies", "IESNA:LM-63-2002\nTILT=NONE\n1 1000 1 0 0 1 1 0 0 0\n1 1 10\n");
    const struct {
        std::vector<std::string> arguments;
        int exitCode;
        const char *inOut, *inErr;
    } rows[] = {
        {{"summary", sample}, 0, "Beam angle (Horizontal): ", ""},
        {{"summary", (dir_ / "missing.ies").string()}, 1, "", "Cannot open file"},
        {{"summary", empty}, 1, "", "The file holds no photometric data"},
        {{"summary"}, 2, "", "Usage: lumetra-cli summary FILE [--json]"},
    };
    for (const auto& row : rows) {
        const auto run = RunCli(row.arguments);
        EXPECT_EQ(run.exitCode, row.exitCode) << run.err;
        EXPECT_NE(run.out.find(row.inOut), std::string::npos) << run.out;
        EXPECT_NE(run.err.find(row.inErr), std::string::npos) << run.err;
    }
    const auto run = RunCli({"summary", "--json", sample});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const Json json = Json::parse(run.out);
    std::set<std::string> keys;
    for (const auto& item : json.items())
        keys.insert(item.key());
    EXPECT_EQ(keys, (std::set<std::string>{"PhotometricType",
                                           "Symmetry",
                                           "Flux",
                                           "DownwardFlux",
                                           "UpwardFlux",
                                           "DownwardFluxFraction",
                                           "ZonalFlux",
                                           "LampFlux",
                                           "LightOutputRatio",
                                           "InputWatts",
                                           "Efficacy",
                                           "MaxIntensity",
                                           "MaxIntensityC",
                                           "MaxIntensityGamma",
                                           "BeamAngle",
                                           "FieldAngle",
                                           "BeamAngleCIE",
                                           "FieldAngleCIE",
                                           "StatedLightOutputRatio",
                                           "StatedDownwardFluxFraction",
                                           "BUG",
                                           "Luminance"}));
    EXPECT_EQ(json["PhotometricType"], "B");
    EXPECT_TRUE(json["ZonalFlux"]["0-90"].is_null() && json["Flux"].is_number());
    EXPECT_TRUE(json["BeamAngle"]["Vertical"].is_number());
    // Type B: the compliance figures need type C photometry.
    EXPECT_EQ(json["BUG"]["PhotometricType"], "B");
    EXPECT_TRUE(json["BUG"]["Rating"].is_null() && json["BUG"]["Zones"].is_null());
    EXPECT_TRUE(json["Luminance"]["Luminance"].is_null() && json["Luminance"]["Max"].is_null());
    EXPECT_EQ(json["Luminance"]["Planes"].size(), 8u);
}

// The reader flagged the file: its figures are no results, and nothing says they are.
TEST_F(SummaryCommand, AFileThatDidNotReadCompletelyHasNoFigures) {
    const std::string flagged = lumetra::test::SamplePath("lm2002_tab_separated_candela.ies");
    const auto text = RunCli({"summary", flagged});
    EXPECT_EQ(text.exitCode, 3);
    EXPECT_EQ(text.out, "");
    for (const char* expected : {"Line 21", "not significant: the file did not read completely",
                                 "Line 21: error: Token '174.408695"})
        EXPECT_NE(text.err.find(expected), std::string::npos) << text.err;

    const auto run = RunCli({"summary", "--json", flagged});
    EXPECT_EQ(run.exitCode, 3);
    const Json json = Json::parse(run.out);
    EXPECT_EQ(json["ParseError"], true);
    EXPECT_EQ(json["Notes"][0], "not significant: the file did not read completely");
    for (const char* key : {"Flux", "MaxIntensity", "PhotometricType", "Symmetry"})
        EXPECT_TRUE(json[key].is_null()) << key;
    EXPECT_TRUE(json["ZonalFlux"]["0-90"].is_null() && json["BeamAngle"]["C0-C180"].is_null());
}

TEST_F(SummaryCommand, TextIsWrittenInTheOneNumberFormatJsonInFullPrecision) {
    const std::string sample = lumetra::test::SamplePath("lm1995_roadway_361x73_crlf.ies");
    const auto text = RunCli({"summary", sample}, "LC_ALL=C");
    ASSERT_EQ(text.exitCode, 0) << text.err;
    for (const char* line : {"Luminous flux: 9155 lm\n", "Light output ratio: 100.0 %\n",
                             "Zonal flux 0-30°: 2293 lm\n", "Beam angle (C0-C180): 60.3°\n",
                             "Maximum intensity: 5892 cd at C 275.0°, gamma 67.5°\n"})
        EXPECT_NE(text.out.find(line), std::string::npos) << line << text.out;
    const Json json = Json::parse(RunCli({"summary", "--json", sample}, "LC_ALL=C").out);
    EXPECT_GT(json["Flux"].get<double>(), 9154.5);
    EXPECT_NE(json["Flux"].get<double>(), 9155.0); // not rounded
}

} // namespace
