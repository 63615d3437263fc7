// lumetra-cli summary, run as a process: exit codes, error texts and the JSON keys.

#include "CliProcess.h"
#include "cli/ExtendedJson.h"

#include <fstream>
#include <gtest/gtest.h>
#include <set>

namespace {

using lumetra::cli::Json;

class SummaryCommand : public lumetra::test::CliTest {
  protected:
    std::string Written(const std::string& name, const std::string& bytes) const {
        const auto path = dir_ / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path.string();
    }
};

TEST_F(SummaryCommand, ExitCodesAndMessages) {
    const std::string sample = std::string(LUMETRA_SAMPLES_DIR) + "/lm1991_bollard_crlf.ies";
    const std::string empty = Written("empty.ies", "IESNA:LM-63-2002\nTILT=NONE\n"
                                                   "1 1000 1 0 0 1 1 0 0 0\n1 1 10\n");
    const struct {
        std::vector<std::string> arguments;
        int exitCode;
        const char* inOut;
        const char* inErr;
    } rows[] = {
        {{"summary", sample}, 0, "Luminous flux: ", ""},
        {{"summary", sample, "--json"}, 0, "\"Flux\":", ""},
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
}

TEST_F(SummaryCommand, JsonHasExactlyTheKeysAndNullsForTypeB) {
    const auto run = RunCli(
        {"summary", "--json", std::string(LUMETRA_SAMPLES_DIR) + "/lm2002_typeb_full_73x73.ies"});
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
                                           "StatedDownwardFluxFraction"}));
    EXPECT_EQ(json["PhotometricType"], "B");
    EXPECT_TRUE(json["ZonalFlux"]["0-90"].is_null() && json["DownwardFlux"].is_null());
    EXPECT_TRUE(json["BeamAngle"]["Horizontal"].is_number() &&
                json["BeamAngle"]["Vertical"].is_number());
}

} // namespace
